#include "platform/gdi/floodfill.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace gdi {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFFu;

// Which pixels belong to the area, and which are already taken. The taken mask is what
// makes the fill terminate when a painted pixel still counts as inside by its colour, and
// what keeps a search that paints nothing from going round in circles; when a painted
// pixel is outside by its colour alone (the usual fill), there is no mask.
class Area {
public:
    // A fill that paints `paint`, or with no paint a search that leaves the pixels alone.
    Area(const QImage& image, QRgb color, FloodFill::Mode mode, std::optional<QRgb> paint)
        : m_width(image.width()), m_height(image.height()), m_stride(image.bytesPerLine()),
          m_bits(image.constBits()), m_color(color & kColourBits), m_mode(mode), m_paint(paint) {
        if (!paint || colourInside(*paint))
            m_taken.assign((std::size_t(m_width) * std::size_t(m_height) + 63) / 64, 0);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }

    bool inside(int x, int y) const {
        if (!m_taken.empty()) {
            const std::size_t at = index(x, y);
            if (m_taken[at / 64] >> (at % 64) & 1)
                return false;
        }
        return colourInside(row(y)[x]);
    }

    // Takes the pixels left to right of row y into the area, painting them if it paints.
    void take(int y, int left, int right) {
        if (!m_taken.empty()) {
            for (int x = left; x <= right; ++x) {
                const std::size_t at = index(x, y);
                m_taken[at / 64] |= std::uint64_t(1) << (at % 64);
            }
        }
        if (m_paint) {
            // The image was handed over unshared and writable (FloodFill::run).
            QRgb* pixels = const_cast<QRgb*>(row(y));
            std::fill(pixels + left, pixels + right + 1, *m_paint);
        }
    }

private:
    bool colourInside(QRgb value) const {
        const bool same = (value & kColourBits) == m_color;
        return m_mode == FloodFill::Mode::Surface ? same : !same;
    }
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(m_width) + x; }
    const QRgb* row(int y) const {
        return reinterpret_cast<const QRgb*>(m_bits + std::int64_t(y) * m_stride);
    }

    int m_width;
    int m_height;
    std::int64_t m_stride;
    const std::uint8_t* m_bits;
    QRgb m_color;
    FloodFill::Mode m_mode;
    std::optional<QRgb> m_paint;
    std::vector<std::uint64_t> m_taken; // one bit a pixel: a whole-screen area needs 259 KB
};

// Takes the area around `start` run by run, calling `visit` with each run taken.
template <typename Visit>
void takeFrom(Area& area, QPoint start, Visit visit) {
    // Seeds: one point per run of inside pixels still to be taken.
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
        area.take(y, left, right);
        visit(FloodFill::Run{y, left, right});
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
}

} // namespace

bool FloodFill::run(QImage& image, QPoint start, QRgb color, Mode mode, QRgb paint,
                    QRect* painted) {
    if (image.isNull() || image.depth() != 32 || !image.rect().contains(start))
        return false;
    image.bits(); // unshared before the area writes through its pixels
    Area area(image, color, mode, paint);
    if (!area.inside(start.x(), start.y()))
        return false;
    QRect bounds;
    takeFrom(area, start, [&bounds](const Run& run) {
        bounds |= QRect(run.left, run.y, run.right - run.left + 1, 1);
    });
    if (painted)
        *painted = bounds;
    return true;
}

std::vector<FloodFill::Run> FloodFill::find(const QImage& image, std::span<const QPoint> starts,
                                            QRgb color) {
    std::vector<Run> runs;
    if (image.isNull() || image.depth() != 32)
        return runs;
    Area area(image, color, Mode::Surface, std::nullopt);
    for (const QPoint start : starts) {
        if (image.rect().contains(start))
            takeFrom(area, start, [&runs](const Run& run) { runs.push_back(run); });
    }
    return runs;
}

} // namespace gdi
