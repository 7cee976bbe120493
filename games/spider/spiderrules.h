#pragma once
// The rules of Spider on the kit's table: the deal, which runs the player may take,
// where they may go, a row dealt from the stock, the finished runs that leave the table,
// the scoring and where the piles lie.
//
// - Two packs, 104 cards. Ten columns: the first four get six cards, the other six get
//   five, only the top card of each face up; the other 50 cards form the stock.
// - Columns build down regardless of suit. A card moves together with the cards on it
//   only when they form a descending run in one suit; any card or such run may go to an
//   empty column.
// - The suit count (1, 2 or 4) says what "one suit" means, since every engine card shows
//   its own face: with one suit, suits are not told apart; with two, a card's colour is
//   its suit; with four, the real suits count.
// - A stock click deals one card face up onto each column, allowed only while no column
//   is empty.
// - A run of king down to ace in one suit leaves its column by itself for the first
//   empty foundation. The player never moves cards to or from the foundations.
// - Scoring: 500 at the start, 1 point off for every move (a row dealt counts), 100 for
//   every finished run; never below 0.

#include "games/kit/layout.h"
#include "games/kit/rules.h"
#include "games/kit/table.h"

#include <vector>

namespace halvane::spider {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

// What Table::options holds for a Spider game, fixed at the deal.
enum Option { Suits = 0 };
inline constexpr int Columns = 10;
inline constexpr int Foundations = 8;
inline constexpr int PackSize = 104;
inline constexpr int DealtCards = 54;
inline constexpr int RunLength = 13;
inline constexpr int StartScore = 500;
inline constexpr int MovePoints = -1;
inline constexpr int RunPoints = 100;

// Starts a game from `order`, the 104 cards as they come off the packs: dealt row by
// row across the columns until 54 lie there, the top card of each turned up; the other
// 50 form the stock face down, order[54] on top. Throws std::invalid_argument (saying
// what is wrong) unless `order` holds each card 1 to 104 once and suits is 1, 2 or 4.
Table dealTable(const std::vector<Card>& order, int suits);

// Is `over` the next card down from `under` in one suit, as `suits` tells suits apart?
kit::rules::Builds buildsInSuit(int suits);

// A stock click: one card face up onto each column, the stock's top card on the first.
bool canDealRow(const Table& table);
// Throws std::logic_error unless canDealRow.
void dealRow(Table& table);

// Moves every king-to-ace run in one suit that ends a column to the first empty
// foundation, king on top, and scores it; answers how many runs left.
int clearFinishedRuns(Table& table);

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

private:
    const Table& m_table;
};

// Where the piles lie in a client area of `area`: a top row of the stock, a gap and the
// eight foundations over the ten columns, which are at most 100 pixels apart (closer on
// a narrow table, never closer than the cards' own pitch) and centred with a margin of
// 16 on each side. Face-down cards 5 apart, face-up 16; long fans close up.
namespace places {
inline constexpr int ColumnPitch = 100;
inline constexpr int SideMargin = 16;
inline constexpr int TopMargin = 16;
inline constexpr int TableauTop = 136; // TopMargin + card height + a gap of 24
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::spider
