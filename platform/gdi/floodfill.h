#pragma once
// The area fill behind ExtFloodFill: an iterative span fill over 4-connected pixels, so
// that even a whole-screen area uses a heap work list instead of the call stack.

#include <QPoint>
#include <QRect>
#include <QRgb>

class QImage;

namespace gdi {

class FloodFill {
public:
    enum class Mode {
        Surface, // the area of pixels of the given colour
        Border,  // the area of pixels not of the given colour
    };

    // Paints the area around `start` in `image` (32 bits a pixel, unshared) with `paint`.
    // Colours compare on their red, green and blue bytes only. Returns false, painting
    // nothing, when `start` lies outside the image or is not part of an area (in surface
    // mode not of `color`, in border mode of the border colour itself). Otherwise returns
    // true and stores the bounding rectangle of the painted pixels in `painted`.
    // Terminates whatever `paint` is, also when it equals `color`.
    static bool run(QImage& image, QPoint start, QRgb color, Mode mode, QRgb paint, QRect* painted);
};

} // namespace gdi
