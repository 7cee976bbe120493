#pragma once
// The rules of Klondike: which cards the player may take, where they may go, and when
// the stock may be drawn or redealt. Reads the table, changes nothing.
//
// - Foundations build up by suit from the ace, one card at a time.
// - Columns build down in alternating colours; an empty column takes only a king, or a
//   run whose bottom card is a king.
// - The player takes the top card of the waste or of a foundation, or any face-up card
//   of a column together with the cards on it; never a stock card or a face-down card.
// - The stock draws while it has cards; an empty stock takes the waste back as often as
//   the player likes.

#include "games/klondike/klondiketable.h"

#include <optional>

namespace halvane::klondike {

struct Move {
    PileId from;
    int index = 0; // the bottom card of the moving cards in `from`
    PileId to;
};

class MoveJudge {
public:
    // The table must outlive the judge.
    explicit MoveJudge(const KlondikeTable& table) : m_table(table) {}

    // May the player pick up the cards from `index` to the top of `pile`?
    bool canTake(PileId pile, int index) const;
    // May `card`, carrying `count` - 1 cards on it, be put on `pile`?
    bool canPlace(const Card& card, int count, PileId pile) const;
    // canTake and canPlace together, for a move between two different piles.
    bool isLegal(const Move& move) const;

    // The foundation that takes the top card of `from` (double click), if any.
    std::optional<PileId> foundationFor(PileId from) const;

    bool canDraw() const;
    bool canRedeal() const;
    // Is the top card of column `column` a face-down card to turn?
    bool canTurnUp(int column) const;

private:
    const KlondikeTable& m_table;
};

} // namespace halvane::klondike
