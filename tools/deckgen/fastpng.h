#pragma once
// PNG bytes of a deck sheet that decode fast. The loader reads the larger sheets at every
// start of the table, and how fast libpng decodes depends on the row filters the writer
// chose: Qt's writer lets libpng pick them, and its Paeth rows cost more than all the rest
// of the start. Flat card faces compress as well without filters, so every row here is
// stored unfiltered (filter 0), 8-bit RGB, deflated at the highest level.

#include <QByteArray>
#include <QImage>

namespace halvane::deckgen {

// The PNG file of `image`'s colours (alpha dropped). Throws std::runtime_error when the
// image is empty or zlib fails.
QByteArray fastPng(const QImage& image);

} // namespace halvane::deckgen
