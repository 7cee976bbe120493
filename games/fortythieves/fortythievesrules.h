#pragma once
// The rules of Forty Thieves on the kit's table: the deal, which cards the player may
// take, where they may go, the stock, the moves autoplay may make and where the piles
// lie.
//
// - Two packs, 104 cards. Ten columns of four cards, all face up; the other 64 cards
//   form the stock.
// - Eight foundations build up by suit from the ace; a card on a foundation stays there.
// - Columns build down in the same suit, one card at a time; an empty column takes any
//   card.
// - The player takes the top card of a column or of the waste.
// - A stock click turns one card onto the waste; the waste never goes back to the stock.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <optional>
#include <vector>

namespace halvane::fortythieves {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

inline constexpr int Columns = 10;
inline constexpr int Rows = 4;
inline constexpr int Foundations = 8;
inline constexpr int PackSize = 104;

// Starts a game from `order`, the 104 cards as they come off the packs: four rows dealt
// across the ten columns, face up; the other 64 form the stock face down, order[40] on
// top. Throws std::invalid_argument (saying what is wrong) unless `order` holds each
// card 1 to 104 once.
Table dealTable(const std::vector<Card>& order);

// The stock click: the stock's top card face up onto the waste. Throws std::logic_error
// for an empty stock.
void draw(Table& table);

// May `card` go up with no card ever needing it again? An ace or a two always may (an
// ace goes up rather than onto a two); a higher card when both cards one rank lower in
// its suit, one from each pack, are on the foundations, since only they could be built
// on it.
bool isSafeToFoundation(const Table& table, const Card& card);

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
    // The foundation that takes the top card of `from`, if any: an ace the first empty one.
    std::optional<PileId> foundationFor(PileId from) const;
    // The next safe move of a top card to a foundation (isSafeToFoundation), waste first.
    std::optional<Move> safeMove() const;
    bool canDraw() const;

private:
    const Table& m_table;
};

// Where the piles lie in a client area of `area`: a top row of stock, waste and the
// eight foundations over the ten columns, which are at most 100 pixels apart (closer on
// a narrow table, never closer than the cards' own pitch) and centred with a margin of
// 16 on each side. Column cards 16 apart; long fans close up.
namespace places {
inline constexpr int ColumnPitch = 100;
inline constexpr int SideMargin = 16;
inline constexpr int TopMargin = 16;
inline constexpr int TableauTop = 136; // TopMargin + card height + a gap of 24
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::fortythieves
