#pragma once
// The closing animation of a won game: five passes dealing cards 1 to 113, each centred
// on a random point of the screen's extent, then back design 8 at the screen's centre.
// Points come from the engine's random sequence (seeded by Shuffle), so a seed fixes all
// 565 places. Every deal, and the closing back, ends with GdiFlush(hdc), so a window
// shows each one.

#include <cstdint>

namespace dorvik {

struct Module1;

class WinAnimation {
public:
    static constexpr int kPasses = 5;
    static constexpr int kLastCard = 113;
    static constexpr int kClosingBack = 8;

    explicit WinAnimation(Module1& state) : m_state(state) {}

    void run(std::int32_t hdc);

private:
    // A random point's coordinate on an axis of `twips` twips: floor(r x twips / 15) + 1,
    // so 1 to the axis' length in pixels.
    static int randomPoint(float r, int twips);

    // A card's left or top edge for a point: point - half (35.5 or 48), halves to even.
    static int edgeFor(double point, double half);

    Module1& m_state;
};

} // namespace dorvik
