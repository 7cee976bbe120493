#include "platform/gdi/blockcopy.h"

#include <QImage>

#include <algorithm>
#include <cstring>

namespace gdi {

BlockCopy BlockCopy::plan(QSize destinationSize, QPoint to, QSize size, QSize sourceSize,
                          QPoint from) {
    BlockCopy copy;
    if (size.width() <= 0 || size.height() <= 0)
        return copy;
    // Work in destination coordinates: the block, the destination, and where the source
    // surface lands when shifted by the copy's offset.
    const std::int64_t shiftX = std::int64_t(to.x()) - from.x();
    const std::int64_t shiftY = std::int64_t(to.y()) - from.y();
    const std::int64_t left = std::max({std::int64_t(to.x()), std::int64_t(0), shiftX});
    const std::int64_t top = std::max({std::int64_t(to.y()), std::int64_t(0), shiftY});
    const std::int64_t right =
        std::min({std::int64_t(to.x()) + size.width(), std::int64_t(destinationSize.width()),
                  shiftX + sourceSize.width()});
    const std::int64_t bottom =
        std::min({std::int64_t(to.y()) + size.height(), std::int64_t(destinationSize.height()),
                  shiftY + sourceSize.height()});
    if (right <= left || bottom <= top)
        return copy;
    // Everything below now lies inside both surfaces, so it fits an int.
    copy.m_toX = int(left);
    copy.m_toY = int(top);
    copy.m_fromX = int(left - shiftX);
    copy.m_fromY = int(top - shiftY);
    copy.m_width = int(right - left);
    copy.m_height = int(bottom - top);
    return copy;
}

void BlockCopy::run(QImage& destination, const QImage& source) const {
    if (isEmpty())
        return;
    // bits() first: if it had to detach, the source no longer shares the destination's
    // pixels and the copy below is between two buffers, as it should be.
    std::uint8_t* to = destination.bits();
    const std::uint8_t* from = source.constBits();
    run(to, destination.bytesPerLine(), from, source.bytesPerLine());
}

BlockCopy BlockCopy::scaled(int scale) const {
    BlockCopy copy = *this;
    copy.m_toX *= scale;
    copy.m_toY *= scale;
    copy.m_fromX *= scale;
    copy.m_fromY *= scale;
    copy.m_width *= scale;
    copy.m_height *= scale;
    return copy;
}

void BlockCopy::run(QImage& destination, int destinationScale, const QImage& source,
                    int sourceScale) const {
    if (isEmpty())
        return;
    if (destinationScale == sourceScale) {
        scaled(destinationScale).run(destination, source);
        return;
    }
    // Two scales are two surfaces, so nothing overlaps here.
    const BlockCopy to = scaled(destinationScale);
    const BlockCopy from = scaled(sourceScale);
    for (int row = 0; row < to.m_height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(destination.scanLine(to.m_toY + row)) + to.m_toX;
        const auto* sourceLine = reinterpret_cast<const QRgb*>(source.constScanLine(
                                     from.m_fromY + row * sourceScale / destinationScale)) +
                                 from.m_fromX;
        for (int column = 0; column < to.m_width; ++column)
            line[column] = sourceLine[column * sourceScale / destinationScale];
    }
}

void BlockCopy::run(std::uint8_t* destination, std::int64_t destinationStride,
                    const std::uint8_t* source, std::int64_t sourceStride) const {
    if (isEmpty())
        return;
    constexpr std::int64_t kPixel = 4;
    const std::size_t rowBytes = std::size_t(m_width) * kPixel;
    std::uint8_t* to = destination + m_toY * destinationStride + m_toX * kPixel;
    const std::uint8_t* from = source + m_fromY * sourceStride + m_fromX * kPixel;
    const bool sameBuffer = destination == source;
    if (!sameBuffer) {
        for (int row = 0; row < m_height; ++row)
            std::memcpy(to + row * destinationStride, from + row * sourceStride, rowBytes);
        return;
    }
    // One surface: a block moving down must be copied from its last row up, or it would
    // read rows it has already overwritten; memmove takes care of overlap within a row.
    if (m_toY > m_fromY) {
        for (int row = m_height - 1; row >= 0; --row)
            std::memmove(to + row * destinationStride, from + row * sourceStride, rowBytes);
    } else {
        for (int row = 0; row < m_height; ++row)
            std::memmove(to + row * destinationStride, from + row * sourceStride, rowBytes);
    }
}

} // namespace gdi
