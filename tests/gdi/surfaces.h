#pragma once
// Helpers shared by the drawing tests: memory contexts with a bitmap of a given size and
// content, freed at the end of the test.

#include "platform/gdi/gdi.h"

#include <QImage>

#include <functional>

namespace gdi::test {

// A memory context holding a fresh bitmap; deletes both on destruction.
class MemorySurface {
public:
    MemorySurface(int width, int height);
    // `picture` in table pixels, held at `scale` (each pixel an s x s block).
    explicit MemorySurface(const QImage& picture, int scale = 1);
    ~MemorySurface();
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }

private:
    HDC m_dc = 0;
    HBITMAP m_bitmap = 0;
    HBITMAP m_stock = 0;
};

// `image` with every pixel made a `scale` x `scale` block.
QImage enlarged(const QImage& image, int scale);

// An RGB32 image whose pixel (x, y) is colour(x, y) (0x00RRGGBB).
QImage patternImage(int width, int height, const std::function<QRgb(int, int)>& colour);

} // namespace gdi::test
