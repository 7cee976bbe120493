#pragma once
// The block copy behind BitBlt: clipping against both surfaces, then a row-by-row copy
// that is correct for overlapping blocks of one surface. Plans are made in table pixels;
// surfaces of scale s hold s x s device pixels for each.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

class QImage;

namespace gdi {

class BlockCopy {
public:
    // Plans a copy of `size` pixels from `from` in a source of `sourceSize` to `to` in a
    // destination of `destinationSize`. Coordinates may be anything an int holds; the
    // arithmetic is 64-bit so nothing overflows. The plan covers only the pixels whose
    // destination and source both lie inside their surfaces; it is empty when none do or
    // when the size is not positive.
    static BlockCopy plan(QSize destinationSize, QPoint to, QSize size, QSize sourceSize,
                          QPoint from);

    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }
    QRect destinationRect() const { return {m_toX, m_toY, m_width, m_height}; }
    QPoint sourceTopLeft() const { return {m_fromX, m_fromY}; }

    // Carries the plan out between two 32-bit images, which may be the same image. Neither
    // allocates nor detaches: `destination` must be unshared and both must hold the sizes
    // the plan was made for.
    void run(QImage& destination, const QImage& source) const;

    // Carries the plan out between surfaces of `destinationScale` and `sourceScale`
    // device pixels per table pixel, whose table sizes the plan was made for. Equal scales
    // copy whole device rows; different ones pick the nearest source pixel for each
    // destination pixel (the choosers' 1x previews of a larger deck).
    void run(QImage& destination, int destinationScale, const QImage& source,
             int sourceScale) const;

    // The same plan in device pixels of a surface of `scale`.
    BlockCopy scaled(int scale) const;

    // The same on raw rows (bytes per line given), for callers that own the pixels.
    void run(std::uint8_t* destination, std::int64_t destinationStride, const std::uint8_t* source,
             std::int64_t sourceStride) const;

private:
    int m_toX = 0;
    int m_toY = 0;
    int m_fromX = 0;
    int m_fromY = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace gdi
