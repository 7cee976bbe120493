#pragma once
// Test hook: fixes the seed of the engine's random sequence (Shuffle, WinSequence), so
// that a test can predict the order and the places. Not for games.

#include <cstdint>
#include <optional>

namespace dorvik {

// With a seed, the sequence restarts from it now and at every Shuffle; std::nullopt
// returns to seeding from the clock at every Shuffle.
void SetFixedSeed(std::optional<std::uint32_t> seed);

} // namespace dorvik
