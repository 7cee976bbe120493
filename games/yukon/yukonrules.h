#pragma once
// The rules of Yukon on the kit's table: the deal, which cards the player may take,
// where they may go and where the piles lie. There is no stock: every card is dealt.
//
// - Foundations build up by suit from the ace, one card at a time; the top card of a
//   foundation may come back onto a column.
// - Columns build down in alternating colours. Any face-up card of a column moves
//   together with every card on it, whatever their order; only its own card has to fit
//   where it lands. An empty column takes only a king, with whatever lies on it.
// - A face-down card left on top of a column turns over.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <vector>

namespace halvane::yukon {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

inline constexpr int Columns = 7;
inline constexpr int Foundations = 4;
inline constexpr int PackSize = 52;
inline constexpr int FaceUpDealt = 5; // on every column but the first

// Starts a game from `order`, the 52 cards as they come off the pack: first a row of
// one card on each column, the first face up and the others face down, then rows over
// columns 2 to 7, then columns 3 to 7 and so on, as in Klondike's triangle, so that
// column i holds i - 1 face-down cards with one face-up card on it (column 1 just the
// face-up card); then four rows of face-up cards over columns 2 to 7. Throws
// std::invalid_argument (saying what is wrong) unless `order` holds each card 1 to 52
// once.
Table dealTable(const std::vector<Card>& order);

// May the player pick up the cards from `index` to the top of `pile`?
bool canTake(const Table& table, PileId pile, int index);
// May `card`, carrying `count` - 1 cards on it, be put on `pile`?
bool canPlace(const Table& table, const Card& card, int count, PileId pile);

// Where the piles lie in a client area of `area`: the seven columns side by side from
// the top, 100 pixels apart (closer on a narrow table, never overlapping), and the four
// foundations one below the other to their right, the whole centred. Columns have the
// table's full height to fan in; face-down cards 5 apart, face-up 16.
namespace places {
inline constexpr int ColumnPitch = 100;
inline constexpr int TopMargin = 16;
inline constexpr int FoundationGap = 24;    // beside the last column's pitch
inline constexpr int FoundationPitch = 112; // one below the other
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::yukon
