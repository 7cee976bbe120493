#include "tools/deckgen/cardshape.h"

#include "tools/deckgen/deckstyle.h"

namespace halvane::deckgen {

bool CardShape::contains(int x, int y) {
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return false;
    // Distance of the pixel centre from the nearest corner circle's centre, per axis;
    // only pixels in a corner square can fall outside.
    const double r = CornerRadius;
    const double cx = x + 0.5, cy = y + 0.5;
    const double dx = cx < r ? r - cx : (cx > Width - r ? cx - (Width - r) : 0.0);
    const double dy = cy < r ? r - cy : (cy > Height - r ? cy - (Height - r) : 0.0);
    return dx * dx + dy * dy <= r * r;
}

bool CardShape::onEdge(int x, int y) {
    return contains(x, y) &&
           !(contains(x - 1, y) && contains(x + 1, y) && contains(x, y - 1) && contains(x, y + 1));
}

void CardShape::stamp(QImage& sheet, QPoint origin, QColor face, QColor edge, int scale) {
    for (int y = 0; y < Height * scale; ++y)
        for (int x = 0; x < Width * scale; ++x)
            if (contains(x / scale, y / scale))
                sheet.setPixelColor(origin + QPoint(x, y),
                                    onEdge(x / scale, y / scale) ? edge : face);
}

void CardShape::finish(QImage& sheet, QPoint origin, QColor edge, int scale) {
    const QRgb black = qRgb(0, 0, 0);
    const QRgb nearBlack = CardBlack.rgb();
    for (int y = 0; y < Height * scale; ++y) {
        for (int x = 0; x < Width * scale; ++x) {
            const QPoint p = origin + QPoint(x, y);
            if (!contains(x / scale, y / scale))
                sheet.setPixel(p, black);
            else if (onEdge(x / scale, y / scale))
                sheet.setPixelColor(p, edge);
            else if ((sheet.pixel(p) & 0xffffff) == (black & 0xffffff))
                sheet.setPixel(p, nearBlack);
        }
    }
}

} // namespace halvane::deckgen
