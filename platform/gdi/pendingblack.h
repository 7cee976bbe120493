#pragma once
// The part of a new bitmap that is black but not yet made so. Its pixels are made black
// where and when they are first read, and not at all where they are first overwritten:
// the full-screen surfaces made at start-up are copied over or drawn on in parts later,
// and clearing them first cost the start as much as drawing the table.
//
// Kept in tiles of device pixels, so that once the bitmap is made no call allocates
// (drawing and dragging never do).

#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

namespace gdi {

class PendingBlack {
public:
    // Nothing pending.
    PendingBlack() = default;
    // All of a bitmap of `deviceSize` pending.
    explicit PendingBlack(QSize deviceSize);

    // Readies `area` of `image` (device pixels) to be read or partly written: makes black
    // what is pending there.
    void prepareRead(QImage& image, const QRect& area);
    // Readies `area` of `image` to be written in full: what lies wholly inside needs no
    // black first; only the tiles it covers in part are made black.
    void prepareOverwrite(QImage& image, const QRect& area);

private:
    static constexpr int kTile = 64;

    // Calls `visit(index, tileRect)` for each pending tile meeting `area`.
    template <typename Visit>
    void forPendingTiles(const QImage& image, const QRect& area, Visit visit);
    void makeBlack(QImage& image, int index, const QRect& tile);

    std::vector<bool> m_tiles; // row by row; true while pending
    int m_columns = 0;
    int m_pending = 0;
};

} // namespace gdi
