#pragma once
// The one home of the card's size, in table pixels: a card picture is 71 x 96 and the
// pictures of the deck sheet (and of the save-under store) lie on a 72 x 97 grid; a
// covered card shows a 16-pixel strip, the engine's starting block spacing. The drag
// code grabs and drops within the 72 x 97 box that starts at a card's top-left corner,
// edges excluded, so that two cards a pitch apart never share a point. The engine, the
// host's choosers, the game kit and the tests all read these numbers from here.

#include <cstdint>

namespace dorvik::card {

inline constexpr int Width = 71;
inline constexpr int Height = 96;
inline constexpr int PitchX = 72;
inline constexpr int PitchY = 97;
inline constexpr int Strip = 16;

// Does the point (x, y) fall in the hit box of a card whose top-left corner is at
// (left, top)? Wide integers, so that no 16-bit position can overflow the sums.
constexpr bool hits(long x, long y, long left, long top) {
    return x > left && x < left + PitchX && y > top && y < top + PitchY;
}

} // namespace dorvik::card
