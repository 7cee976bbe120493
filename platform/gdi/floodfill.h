#pragma once
// The area fill behind ExtFloodFill and FindArea: an iterative span fill over 4-connected
// pixels, so that even a whole-screen area uses a heap work list instead of the call
// stack.

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <span>
#include <vector>

class QImage;

namespace gdi {

class FloodFill {
public:
    enum class Mode {
        Surface, // the area of pixels of the given colour
        Border,  // the area of pixels not of the given colour
    };

    // A row of an area: pixels left to right of row y, both ends included.
    struct Run {
        int y;
        int left;
        int right;
        friend bool operator==(const Run&, const Run&) = default;
    };

    // Paints the area around `start` in `image` (32 bits a pixel, unshared) with `paint`.
    // Colours compare on their red, green and blue bytes only. Returns false, painting
    // nothing, when `start` lies outside the image or is not part of an area (in surface
    // mode not of `color`, in border mode of the border colour itself). Otherwise returns
    // true and stores the bounding rectangle of the painted pixels in `painted`.
    // Terminates whatever `paint` is, also when it equals `color`.
    static bool run(QImage& image, QPoint start, QRgb color, Mode mode, QRgb paint, QRect* painted);

    // The area of pixels of `color` joined to any of `starts`, each pixel in one run only,
    // found without painting. Starts outside the image or not of `color` add nothing.
    static std::vector<Run> find(const QImage& image, std::span<const QPoint> starts, QRgb color);
};

} // namespace gdi
