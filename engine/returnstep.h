#pragma once
// One frame's step of a slide home, on one axis: 20 pixels while 20 or more remain,
// then 1, never past the target.

#include <cstdint>
#include <cstdlib>

namespace dorvik {

class ReturnStep {
public:
    static constexpr int kLongStep = 20;

    // The coordinate after one frame moving from `from` towards `to`. The result lies
    // between the two, so it always fits in 16 bits.
    static std::int16_t next(int from, int to) {
        const int step = std::abs(to - from) >= kLongStep ? kLongStep : 1;
        if (to < from) {
            return std::int16_t(from - step);
        }
        if (to > from) {
            return std::int16_t(from + step);
        }
        return std::int16_t(from);
    }
};

} // namespace dorvik
