#pragma once
// The rules of Klondike on the kit's table: the deal, which cards the player may take,
// where they may go, the stock, the scoring and where the piles lie.
//
// - Foundations build up by suit from the ace, one card at a time.
// - Columns build down in alternating colours; an empty column takes only a king, or a
//   run whose bottom card is a king.
// - The player takes the top card of the waste or of a foundation, or any face-up card
//   of a column together with the cards on it; never a stock card or a face-down card.
// - The stock turns one or three cards a draw; an empty stock takes the waste back as
//   often as the redeal limit allows.
// - Standard scoring: waste to column 5, waste or column to foundation 10, a turned
//   column card 5, foundation to column -15, the waste back to the stock -100 when
//   drawing one card (nothing when drawing three); never below 0.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <optional>
#include <vector>

namespace halvane::klondike {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

// What Table::options holds for a Klondike game, fixed at the deal.
enum Option { DrawCount = 0, RedealLimit = 1, Scoring = 2 };
inline constexpr int Unlimited = -1;
inline constexpr int Columns = 7;
inline constexpr int Foundations = 4;
inline constexpr int PackSize = 52;

// Starts a game from `order`, the 52 cards as they come off the pack: column i gets
// i + 1 cards dealt row by row, the last one of each face up; the remaining 24 form the
// stock face down, order[28] on top. Throws std::invalid_argument (saying what is wrong)
// unless `order` holds each card 1 to 52 once, drawCount is 1 or 3 and redealLimit is
// Unlimited or 0 and above.
Table dealTable(const std::vector<Card>& order, int drawCount, int redealLimit = Unlimited,
                bool scoring = false);

// The stock click: draws (answering the cards as they landed), or turns the waste back;
// each throws std::logic_error when it is not allowed.
std::vector<Card> draw(Table& table);
void redeal(Table& table);
bool isWon(const Table& table);

class MoveJudge {
public:
    // The table must outlive the judge.
    explicit MoveJudge(const Table& table) : m_table(table) {}

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
    // Points a move earns under standard scoring.
    int score(const Move& move) const;

private:
    const Table& m_table;
};

// Where the piles lie in a client area of `area`: a top row of stock, waste, a gap and
// the four foundations, the seven columns below it, 100 pixels apart (closer on a narrow
// table, but never overlapping) and centred. Face-down cards 5 apart, face-up 16 (the
// engine's block spacing); the waste fans the cards of the last draw 32 apart, so that
// the rank and suit in each one's corner show, even a large "10".
namespace places {
inline constexpr int ColumnPitch = 100;
inline constexpr int TopMargin = 16;
inline constexpr int RowGap = 24;
inline constexpr int TableauTop = 136; // TopMargin + card height + RowGap
inline constexpr int WasteFan = 32;
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::klondike
