#include "platform/gdi/pendingblack.h"

#include <algorithm>

namespace gdi {

PendingBlack::PendingBlack(QSize deviceSize)
    : m_columns((deviceSize.width() + kTile - 1) / kTile),
      m_pending(m_columns * ((deviceSize.height() + kTile - 1) / kTile)) {
    m_tiles.assign(std::size_t(std::max(m_pending, 0)), true);
}

template <typename Visit>
void PendingBlack::forPendingTiles(const QImage& image, const QRect& area, Visit visit) {
    if (m_pending == 0)
        return;
    const QRect clipped = area.intersected(image.rect());
    if (clipped.isEmpty())
        return;
    for (int row = clipped.top() / kTile; row <= clipped.bottom() / kTile; ++row) {
        for (int column = clipped.left() / kTile; column <= clipped.right() / kTile; ++column) {
            const int index = row * m_columns + column;
            if (m_tiles[std::size_t(index)])
                visit(index, QRect(column * kTile, row * kTile, kTile, kTile) & image.rect());
        }
    }
}

void PendingBlack::makeBlack(QImage& image, int index, const QRect& tile) {
    for (int y = tile.top(); y <= tile.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y)) + tile.left();
        std::fill(row, row + tile.width(), 0xFF000000u);
    }
    m_tiles[std::size_t(index)] = false;
    --m_pending;
}

void PendingBlack::prepareRead(QImage& image, const QRect& area) {
    forPendingTiles(image, area,
                    [&](int index, const QRect& tile) { makeBlack(image, index, tile); });
}

void PendingBlack::prepareOverwrite(QImage& image, const QRect& area) {
    forPendingTiles(image, area, [&](int index, const QRect& tile) {
        if (area.contains(tile)) {
            m_tiles[std::size_t(index)] = false;
            --m_pending;
        } else {
            makeBlack(image, index, tile);
        }
    });
}

} // namespace gdi
