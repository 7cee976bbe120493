#pragma once
// The rules of Aces Up on the game kit's table, as free functions a test can call.
//
// - Four columns of one card each; the other 48 cards form the stock, face down.
// - A column's top card may be discarded when another column shows a higher card of the
//   same suit (aces rank high).
// - Any top card may move into an empty column.
// - A click on the stock deals one card onto each column.
// - The game is won when the four aces are all that is left in the columns.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <vector>

namespace acesup {

using halvane::kit::Card;
using halvane::kit::PileId;
using halvane::kit::Table;

inline constexpr int Columns = 4;
inline constexpr PileId Discards = PileId::foundation(0);

// A new game from the 52 cards as they come off the pack: order[0..3] go onto the
// columns face up, the rest onto the stock with order[4] on top.
Table dealTable(const std::vector<Card>& order);
// May the player pick up the cards from `index` up? Only a column's top card.
bool canTake(const Table& table, PileId pile, int index);
// May `card`, carrying `count` - 1 cards, go onto `pile`?
bool canPlace(const Table& table, const Card& card, int count, PileId pile);
// The stock click: one card onto each column; false when the stock is empty.
bool dealRow(Table& table);
bool isWon(const Table& table);
halvane::kit::Layout tableLayout(QSize area);

} // namespace acesup
