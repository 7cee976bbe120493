#include "platform/gdi/bitmap.h"

#include <algorithm>

namespace gdi {

void Bitmap::prepareRead(const QRect& area) {
    if (blackPending.isEmpty())
        return;
    const QRegion due = blackPending.intersected(area);
    for (const QRect& part : due) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y)) + part.left();
            std::fill(row, row + part.width(), 0xFF000000u);
        }
    }
    blackPending -= due;
}

} // namespace gdi
