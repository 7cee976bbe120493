#pragma once
// Building rules with names, shared by the games. Each says whether `over` may lie on
// `under` (or whether a run of cards is built by that rule); they look at faces only.

#include "games/kit/card.h"
#include "games/kit/table.h"

#include <vector>

namespace halvane::kit::rules {

inline constexpr int Ace = 1;
inline constexpr int King = 13;

bool alternateColoursDescending(const Card& under, const Card& over);
bool sameSuitAscending(const Card& under, const Card& over);
bool sameSuitDescending(const Card& under, const Card& over);
bool anySuitDescending(const Card& under, const Card& over);
bool sameColourDescending(const Card& under, const Card& over);

// May `count` cards led by `card` go up onto `foundation` (its cards, bottom first)? One
// card at a time: an ace on an empty foundation, else the next rank of the top card's suit.
bool goesOnFoundation(const std::vector<Card>& foundation, const Card& card, int count);

using Builds = bool (*)(const Card& under, const Card& over);
// Are the cards from `index` to the top all face up and each built on the one below by
// `builds`? False for an index outside the cards.
bool isRun(const std::vector<Card>& cards, int index, Builds builds);

// May `card` go up to a foundation with no card ever needing it again? Yes when its
// rank is at most 2, or when every foundation suit of the other colour has reached at
// least its rank minus 1 (so no card of the other colour could still want to lie on
// it). Foundations are read by their top cards' suits. Ranks count from `base`, the
// rank every foundation starts with (base 8: an eight counts 1, a seven 13).
bool isSafeToFoundation(const Table& table, const Card& card, int base = Ace);

// The rank of `card` counted from `base`: 1 for the base rank itself, up to 13.
int rankFrom(int base, const Card& card);

} // namespace halvane::kit::rules
