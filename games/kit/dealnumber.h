#pragma once
// Every deal has a number, and the order of the pack is a function of that number only:
// the same number deals the same game on every machine and in every run.

#include "games/kit/card.h"

#include <cstdint>
#include <string>
#include <vector>

namespace halvane::kit::deals {

inline constexpr std::uint32_t First = 1;
inline constexpr std::uint32_t Last = 1000000;

// Cards 1 to `packSize` (52 or 104) as standard cards in the order deal `number` takes
// them off the pack: a Fisher-Yates shuffle driven by std::mt19937 seeded with the
// number, with the bounds drawn by our own arithmetic so that no library's
// distribution can change a deal.
std::vector<Card> order(std::uint32_t number, int packSize);

// Checks that `order` holds each card 1 to `packSize` once; throws
// std::invalid_argument naming `game` and what is wrong otherwise.
void checkPack(const std::vector<Card>& order, int packSize, const std::string& game);

// A deal number from First to Last, seeded from the clock.
std::uint32_t random();

} // namespace halvane::kit::deals
