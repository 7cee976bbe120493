#include "platform/gdi/floodfill.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace gdi {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFFu;

// Which pixels belong to the area, and which are already painted. The painted mask is
// what makes the fill terminate when the paint colour itself counts as inside; when a
// painted pixel is outside by its colour alone (the usual case), there is no mask.
class Area {
public:
    Area(QImage& image, QRgb color, FloodFill::Mode mode, QRgb paint)
        : m_width(image.width()), m_height(image.height()), m_stride(image.bytesPerLine()),
          m_bits(image.bits()), m_color(color & kColourBits), m_mode(mode) {
        if (colourInside(paint))
            m_done.assign((std::size_t(m_width) * std::size_t(m_height) + 63) / 64, 0);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }

    bool inside(int x, int y) const {
        if (!m_done.empty()) {
            const std::size_t at = index(x, y);
            if (m_done[at / 64] >> (at % 64) & 1)
                return false;
        }
        return colourInside(pixel(x, y));
    }

    void paint(int x, int y, QRgb value) {
        if (!m_done.empty()) {
            const std::size_t at = index(x, y);
            m_done[at / 64] |= std::uint64_t(1) << (at % 64);
        }
        row(y)[x] = value;
    }

private:
    bool colourInside(QRgb value) const {
        const bool same = (value & kColourBits) == m_color;
        return m_mode == FloodFill::Mode::Surface ? same : !same;
    }
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(m_width) + x; }
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(m_bits + std::int64_t(y) * m_stride); }
    QRgb pixel(int x, int y) const { return row(y)[x]; }

    int m_width;
    int m_height;
    std::int64_t m_stride;
    std::uint8_t* m_bits;
    QRgb m_color;
    FloodFill::Mode m_mode;
    std::vector<std::uint64_t> m_done; // one bit a pixel: a whole-screen area needs 259 KB
};

} // namespace

bool FloodFill::run(QImage& image, QPoint start, QRgb color, Mode mode, QRgb paint,
                    QRect* painted) {
    if (image.isNull() || image.depth() != 32 || !image.rect().contains(start))
        return false;
    Area area(image, color, mode, paint);
    if (!area.inside(start.x(), start.y()))
        return false;

    int minX = start.x(), maxX = start.x(), minY = start.y(), maxY = start.y();
    // Seeds: one point per run of inside pixels still to be filled.
    std::vector<QPoint> seeds{start};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const int y = seed.y();
        if (!area.inside(seed.x(), y))
            continue;
        int left = seed.x();
        while (left > 0 && area.inside(left - 1, y))
            --left;
        int right = seed.x();
        while (right + 1 < area.width() && area.inside(right + 1, y))
            ++right;
        for (int x = left; x <= right; ++x)
            area.paint(x, y, paint);
        minX = std::min(minX, left);
        maxX = std::max(maxX, right);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        for (const int next : {y - 1, y + 1}) {
            if (next < 0 || next >= area.height())
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool in = area.inside(x, next);
                if (in && !inRun)
                    seeds.emplace_back(x, next);
                inRun = in;
            }
        }
    }
    if (painted)
        *painted = QRect(QPoint(minX, minY), QPoint(maxX, maxY));
    return true;
}

} // namespace gdi
