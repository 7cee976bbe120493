#pragma once
// The rules of Pyramid on the kit's table: the deal, which cards the player may take, the
// pairs, the stock and where the piles lie.
//
// - 28 cards face up in a pyramid of seven rows, each row half over the row above: every
//   card but those of the bottom row lies under the two cards below it. Each place of
//   the pyramid is a pile of its own (one card, or none).
// - The other 24 cards form the stock, turned one at a time onto the waste. An empty
//   stock takes the waste back as often as the redeal limit allows.
// - A card is free when no card of the row below lies on it; the waste's top card is
//   free too. Two free cards whose ranks add up to 13 (jack 11, queen 12) leave the
//   table for the discard pile: one is dragged onto the other. A king (13) leaves alone.
// - The game is won when the pyramid is cleared; stock and waste may keep cards.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <vector>

namespace halvane::pyramid {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

// What Table::options holds for a Pyramid game, fixed at the deal.
enum Option { RedealLimit = 0 };
inline constexpr int Unlimited = -1;
inline constexpr int Rows = 7;
inline constexpr int Places = Rows * (Rows + 1) / 2;
inline constexpr int PackSize = 52;
inline constexpr int PairSum = 13;
inline constexpr PileId Discard = PileId::foundation(0);

// The pile of the pyramid's place `column` (0 to `row`) in `row` (0 the apex), counted
// row by row from the apex.
constexpr PileId place(int row, int column) {
    return PileId::tableau(row * (row + 1) / 2 + column);
}

// Starts a game from `order`, the 52 cards as they come off the pack: the pyramid row by
// row from the apex, face up; the other 24 form the stock face down, order[28] on top.
// Throws std::invalid_argument (saying what is wrong) unless `order` holds each card 1 to
// 52 once and redealLimit is Unlimited or 0 and above.
Table dealTable(const std::vector<Card>& order, int redealLimit);

// Does a card of the row below lie on card `index` of `pile`? Only pyramid cards are ever
// covered.
bool isCovered(const Table& table, PileId pile, int index);
// A free pyramid card or the waste's top card.
bool canTake(const Table& table, PileId pile, int index);
// Does `card` leave with the free card on `pile` (a pyramid place or the waste), or, a
// king, onto the discard pile?
bool canPlace(const Table& table, const Card& card, int count, PileId pile);
// A legal move: the moved card and, unless it went to the discard pile alone, the card it
// was dropped on go to the discard pile.
void applyMove(Table& table, const Move& move);
// The stock click: turns one card, or takes the waste back; false when neither is allowed.
bool stockClick(Table& table);
bool canRedeal(const Table& table);
bool isWon(const Table& table);

// Where the piles lie in a client area of `area`, centred: the stock with the waste below
// it on the left, the pyramid (its places 80 pixels apart, its rows 48 apart, so that each
// half covers the row above) and the discard pile on the right.
namespace places {
inline constexpr int TopMargin = 16;
inline constexpr int RowGap = 24;
inline constexpr int Pitch = 80;
inline constexpr int RowStep = 48;
inline constexpr int SideGap = 48;
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::pyramid
