#include "tests/gdi/surfaces.h"

namespace gdi::test {

MemorySurface::MemorySurface(int width, int height)
    : m_dc(CreateCompatibleDC(0)), m_bitmap(CreateCompatibleBitmap(m_dc, width, height)),
      m_stock(SelectObject(m_dc, m_bitmap)) {}

MemorySurface::MemorySurface(const QImage& picture, int scale)
    : m_dc(CreateCompatibleDC(0)), m_bitmap(CreateBitmapFromImage(enlarged(picture, scale), scale)),
      m_stock(SelectObject(m_dc, m_bitmap)) {}

MemorySurface::~MemorySurface() {
    SelectObject(m_dc, m_stock);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

QImage enlarged(const QImage& image, int scale) {
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage patternImage(int width, int height, const std::function<QRgb(int, int)>& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | colour(x, y));
    return image;
}

} // namespace gdi::test
