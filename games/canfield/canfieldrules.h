#pragma once
// The rules of Canfield on the kit's table: the deal, which cards the player may take,
// where they may go, the stock, the reserve and where the piles lie.
//
// - The card dealt to the first foundation sets the base rank of the deal. Every
//   foundation starts with a card of that rank and builds up by suit, one card at a
//   time, from king on to ace where the base is not an ace. Foundation cards stay there.
// - Four columns build down in alternating colours, also round the corner: a king may
//   lie on an ace. A column moves onto another only whole, as a unit; its top card may
//   go to a foundation. Where the deal was made with partial moves, any card of a column
//   moves with the cards on it.
// - The reserve's top card and the waste's top card may be played. A column left empty
//   is filled at once from the reserve; once the reserve is empty, an empty column takes
//   any card or column the player puts there.
// - The stock turns three cards (or one) onto the waste at a time; an empty stock takes
//   the waste back as often as the redeal limit allows.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <optional>
#include <vector>

namespace halvane::canfield {

using kit::Card;
using kit::Move;
using kit::PileId;
using kit::Role;
using kit::Table;

// What Table::options holds for a Canfield game, fixed at the deal.
enum Option { DrawCount = 0, RedealLimit = 1, Base = 2, PartialMoves = 3 };
inline constexpr int Unlimited = -1;
inline constexpr int Columns = 4;
inline constexpr int Foundations = 4;
inline constexpr int PackSize = 52;
inline constexpr int ReserveSize = 13;

// Starts a game from `order`, the 52 cards as they come off the pack: the first 13 form
// the reserve, order[12] on top and face up; order[13] goes face up to the first
// foundation and sets the base rank; the next four start the columns, face up; the rest
// form the stock face down, order[18] on top. Throws std::invalid_argument (saying what
// is wrong) unless `order` holds each card 1 to 52 once, drawCount is 1 or 3 and
// redealLimit is Unlimited or 0 and above.
Table dealTable(const std::vector<Card>& order, int drawCount = 3, int redealLimit = Unlimited,
                bool partialMoves = false);

// May `over` lie on `under` in a column, or follow it on a foundation? Both wrap round
// from king to ace.
bool buildsDown(const Card& under, const Card& over);
bool buildsUp(const Card& under, const Card& over);

// May the player pick up the cards from `index` to the top of `pile`?
bool canTake(const Table& table, PileId pile, int index);
// May `card`, carrying `count` - 1 cards on it, be put on `pile`?
bool canPlace(const Table& table, const Card& card, int count, PileId pile);

// The stock click: draws, or turns the waste back; false when neither is allowed.
bool stockClick(Table& table);
bool canRedeal(const Table& table);

// Fills every empty column from the reserve's top; answers whether it moved a card. The
// card left on top of the reserve is the kit's to turn.
bool fillFromReserve(Table& table);

// The next move autoplay makes: a card no other card can still need, counting ranks
// from the deal's base (kit::safeFoundationMove), from a column, the reserve or the
// waste.
std::optional<Move> autoplayMove(const Table& table);

// Where the piles lie in a client area of `area`, on a grid of seven places 100 pixels
// apart (closer on a narrow table) and centred: stock, waste (fanning the last draw 32
// apart over the empty third place) and the four foundations along the top; below
// them the reserve under the waste and the four columns under the foundations. The
// reserve's face-down cards lie 2 apart, so that its height tells how many are left.
namespace places {
inline constexpr int Pitch = 100;
inline constexpr int TopMargin = 16;
inline constexpr int LowerRow = 136; // TopMargin + card height + 24
inline constexpr int WasteFan = 32;
// Far enough apart that each face-down card of the reserve shows a strip of its back, as
// a column's do: at 2 the strips ran together into a grey slab.
inline constexpr int ReserveStep = 4;
} // namespace places
kit::Layout tableLayout(QSize area);

} // namespace halvane::canfield
