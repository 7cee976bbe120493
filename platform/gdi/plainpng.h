#pragma once
// The one kind of PNG file the table reads at every start, decoded without the general
// decoder: 8-bit RGB, not interlaced, every row stored unfiltered, as deckgen writes the
// larger deck pictures. The rows are inflated by libdeflate in one call straight into the
// picture's memory and widened there, in under a quarter of the general path's time (3 ms
// for the standard deck at twice the size, where the general path takes 14). Anything
// else, and any file that turns out broken, is left to the general decoder, which says
// what is wrong with it.

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace gdi {

class PlainPng {
public:
    // The picture in `file` (a whole PNG file) as Format_RGB32, or nullopt when the file is
    // not of the plain kind, is not of the `expected` size (checked before any pixel is
    // made), or is broken: a chunk cut short, a bad header, compressed rows that fail
    // their checksum, too few or too many rows, a filtered row. The chunks' own checksums
    // are not read: the rows' checksum covers every pixel.
    static std::optional<QImage> decode(const QByteArray& file, QSize expected);
};

} // namespace gdi
