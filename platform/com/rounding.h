#pragma once
// The one rounding the system uses wherever a fraction becomes a whole number (a Single
// passed as an Integer, a back number read from the settings file, a layout position):
// to the nearest integer, a value halfway between two going to the even one. Independent
// of the floating-point environment's current rounding mode.

#include <cmath>

namespace com {

inline double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace com
