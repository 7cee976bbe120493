#pragma once
// The rules of Golf on the kit's table: the deal, which cards the player may take, where
// they may go, the stock and where the piles lie.
//
// - Seven columns of five cards, all face up; the other 17 cards form the stock.
// - A click on the stock turns its top card onto the heap; the stock is gone through once.
// - The top card of a column may go onto the heap when its rank is one above or one below
//   the heap's top card, whatever the suit. The empty heap at the start takes any card.
// - Kings closed (the common rule): nothing goes on a king, and king and ace are not
//   neighbours. Kings open: ranks go round, so a queen or an ace goes on a king and a king
//   on an ace.
// - The game is won when all seven columns are empty.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <vector>

namespace halvane::golf {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

// What Table::options holds for a Golf game, fixed at the deal.
enum Option { KingsOpen = 0 };
inline constexpr int Columns = 7;
inline constexpr int ColumnDepth = 5;
inline constexpr int PackSize = 52;
inline constexpr PileId Heap = PileId::foundation(0);

// Starts a game from `order`, the 52 cards as they come off the pack: five rows of seven
// dealt across the columns, face up; the other 17 form the stock face down, order[35] on
// top. Throws std::invalid_argument (saying what is wrong) unless `order` holds each card
// 1 to 52 once.
Table dealTable(const std::vector<Card>& order, bool kingsOpen);

// May `over` go onto the heap whose top card is `under`?
bool follows(const Card& under, const Card& over, bool kingsOpen);

// Only the top card of a column may be taken.
bool canTake(const Table& table, PileId pile, int index);
// Only the heap takes cards, one at a time.
bool canPlace(const Table& table, const Card& card, int count, PileId pile);
// The stock click: turns its top card onto the heap; false when the stock is empty.
bool stockClick(Table& table);
bool isWon(const Table& table);

// Where the piles lie in a client area of `area`: the columns along the top, 100 pixels
// apart (closer on a narrow table, never overlapping) and centred, their cards 24 apart so
// that every rank shows; the stock and the heap below the first two columns.
namespace places {
inline constexpr int ColumnPitch = 100;
inline constexpr int TopMargin = 16;
inline constexpr int RowGap = 24;
inline constexpr int CardStep = 24;
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::golf
