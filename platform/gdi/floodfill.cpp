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
          m_bits(image.bits()), m_color(color & kColourBits), m_mode(mode), m_paint(paint) {
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
        return colourInside(row(y)[x]);
    }

    // Paints the pixels left to right of row y.
    void paint(int y, int left, int right) {
        if (!m_done.empty()) {
            for (int x = left; x <= right; ++x) {
                const std::size_t at = index(x, y);
                m_done[at / 64] |= std::uint64_t(1) << (at % 64);
            }
        }
        std::fill(row(y) + left, row(y) + right + 1, m_paint);
    }

private:
    bool colourInside(QRgb value) const {
        const bool same = (value & kColourBits) == m_color;
        return m_mode == FloodFill::Mode::Surface ? same : !same;
    }
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(m_width) + x; }
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(m_bits + std::int64_t(y) * m_stride); }

    int m_width;
    int m_height;
    std::int64_t m_stride;
    std::uint8_t* m_bits;
    QRgb m_color;
    FloodFill::Mode m_mode;
    QRgb m_paint;
    std::vector<std::uint64_t> m_done; // one bit a pixel: a whole-screen area needs 259 KB
};

} // namespace

bool FloodFill::run(QImage& image, std::span<const QPoint> starts, QRgb color, Mode mode,
                    QRgb paint, QRect* painted, std::vector<Run>* runs) {
    if (image.isNull() || image.depth() != 32)
        return false;
    Area area(image, color, mode, paint);
    // Seeds: one point per run of inside pixels still to be filled.
    std::vector<QPoint> seeds;
    for (const QPoint start : starts) {
        if (image.rect().contains(start) && area.inside(start.x(), start.y()))
            seeds.push_back(start);
    }
    if (seeds.empty())
        return false;
    QRect bounds;
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
        area.paint(y, left, right);
        bounds |= QRect(left, y, right - left + 1, 1);
        if (runs)
            runs->push_back({y, left, right});
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
        *painted = bounds;
    return true;
}

} // namespace gdi
