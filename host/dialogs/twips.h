#pragma once
// The choosers' layouts are given in twips of the client area, 15 twips to a pixel.

#include <QRect>
#include <QSize>

#include <cmath>

namespace halvane {

constexpr int TwipsPerPixel = 15;

// Rounds to the nearest integer, a value halfway between two integers going to the even
// one (the rounding of the layouts' floating-point arithmetic).
inline int roundHalfEven(double value) {
    const double nearest = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5)
        return int(2.0 * std::round(value / 2.0));
    return int(nearest);
}

inline int twipsToPixels(int twips) {
    return roundHalfEven(double(twips) / TwipsPerPixel);
}

inline QSize twipsToPixels(QSize twips) {
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

inline QRect twipsToPixels(QRect twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

} // namespace halvane
