#pragma once
// The rules of Baker's Dozen on the kit's table: the deal, which cards the player may
// take, where they may go and where the piles lie.
//
// - The whole pack is dealt face up into thirteen columns of four; then every king goes
//   to the bottom of its column, under the other cards, which keep their order.
// - Foundations build up by suit from the ace; a card on a foundation stays there.
// - Columns build down regardless of suit, one card at a time: only a column's top card
//   moves. An empty column stays empty.
// - There is no stock.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <vector>

namespace halvane::bakersdozen {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

inline constexpr int Columns = 13;
inline constexpr int Foundations = 4;
inline constexpr int PackSize = 52;

// Starts a game from `order`: card i goes face up onto column i mod 13, in rows from
// left to right, then the kings go to the bottom of their columns. Throws
// std::invalid_argument (saying what is wrong) unless `order` holds each card 1 to 52
// once.
Table dealTable(const std::vector<Card>& order);

class MoveJudge {
public:
    // The table must outlive the judge.
    explicit MoveJudge(const Table& table) : m_table(table) {}

    bool canTake(PileId pile, int index) const;
    // May `card`, carrying `count` - 1 cards on it, be put on `pile`?
    bool canPlace(const Card& card, int count, PileId pile) const;

private:
    const Table& m_table;
};

// Where the piles lie in a client area of `area`: the four foundations centred at the
// top, the thirteen columns below in one row, 90 pixels apart (closer on a narrow table,
// never closer than the cards' own pitch) and centred.
namespace places {
inline constexpr int ColumnPitch = 90;
inline constexpr int TopMargin = 16;
inline constexpr int TableauTop = 136;
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::bakersdozen
