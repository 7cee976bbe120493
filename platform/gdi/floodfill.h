#pragma once
// The area fill behind ExtFloodFill and FloodArea: an iterative span fill over 4-connected
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
    };

    // Paints the area around each of `starts` in `image` (32 bits a pixel, unshared) with
    // `paint`, each pixel once. Colours compare on their red, green and blue bytes only.
    // Returns false, painting nothing, when no start lies inside the image and in an area
    // (in surface mode of `color`, in border mode not of the border colour itself).
    // Otherwise returns true, stores the bounding rectangle of the painted pixels in
    // `painted` and appends the rows painted to `runs`, where given. Terminates whatever
    // `paint` is, also when it equals `color`.
    static bool run(QImage& image, std::span<const QPoint> starts, QRgb color, Mode mode,
                    QRgb paint, QRect* painted, std::vector<Run>* runs = nullptr);
};

} // namespace gdi
