#pragma once
// The choosers' layouts are given in twips of the client area, 15 twips to a pixel.

#include "platform/com/rounding.h"

#include <QRect>
#include <QSize>

#include <cmath>

namespace halvane {

constexpr int TwipsPerPixel = 15;

// Layout positions round as every fraction in the system does: halves to even.
inline int roundHalfEven(double value) {
    return int(com::RoundHalfEven(value));
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
