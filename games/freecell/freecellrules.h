#pragma once
// The rules of FreeCell on the kit's table: the numbered deals, which cards the player
// may take, where they may go and where the piles lie.
//
// - The whole pack is dealt face up over eight columns, the first four getting seven
//   cards and the others six. Four free cells hold one card each.
// - Foundations build up by suit from the ace; a card on a foundation stays there.
// - Columns build down in alternating colours; an empty column takes any card.
// - The player takes the card of a cell, or a column's top card together with the run
//   of alternating colours on it. A run moves as far as the free cells and empty
//   columns would let it move card by card: (free cells + 1) x 2^(empty columns), the
//   empty column it goes to not counted.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace halvane::freecell {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

inline constexpr int Columns = 8;
inline constexpr int Cells = 4;
inline constexpr int Foundations = 4;
inline constexpr int PackSize = 52;

// The pack for deal `number` (1 and up) as the numbering shared by FreeCell programs
// gives it: the cards in order ace of clubs, diamonds, hearts, spades, then the twos and
// so on; a linear congruential generator seeded with the number picks each card in turn,
// and the last card left takes the picked one's place. The cards come in dealing order.
std::vector<Card> standardOrder(std::uint32_t number);

// Starts a game from `order`: card i goes face up onto column i mod 8, so that the
// cards fall in rows from left to right. Throws std::invalid_argument (saying what is
// wrong) unless `order` holds each card 1 to 52 once.
Table dealTable(const std::vector<Card>& order);

// The most cards one move may carry onto `to`.
int maxRun(const Table& table, PileId to);

class MoveJudge {
public:
    // The table must outlive the judge.
    explicit MoveJudge(const Table& table) : m_table(table) {}

    bool canTake(PileId pile, int index) const;
    // May `card`, carrying `count` - 1 cards on it, be put on `pile`?
    bool canPlace(const Card& card, int count, PileId pile) const;
    bool isLegal(const Move& move) const;
    // Where a double click sends the top card of `from`: its foundation, else (from a
    // column) the first free cell.
    std::optional<PileId> doubleClickTarget(PileId from) const;

private:
    const Table& m_table;
};

// Where the piles lie in a client area of `area`: the eight columns 100 pixels apart
// (closer on a narrow table, never overlapping) and centred; above them the four cells
// at the left and the four foundations at the right, each group moved out by
// TopRowShift (less where the table has no margin left).
namespace places {
inline constexpr int ColumnPitch = 100;
inline constexpr int TopRowShift = 16;
inline constexpr int TopMargin = 16;
inline constexpr int TableauTop = 136;
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::freecell
