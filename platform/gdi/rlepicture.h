#pragma once
// Decodes the run-length pixel data of an RLE8 or RLE4 picture. The picture starts as
// palette colour 0 everywhere, so pixels the stream never sets (after an end-of-line or
// end-of-picture mark, or skipped by a delta) are that colour on every load. Runs and
// deltas that reach past the right edge or the top are cut off there.

#include "platform/gdi/bmpheader.h"

#include <QByteArray>
#include <QImage>

namespace gdi {

class RlePicture {
public:
    // `bytes` is the whole file and `header` its checked headers (so the stream is known
    // to be complete). The result is Format_RGB32; null when memory runs out. Colour
    // indices past the palette's end are black.
    static QImage decode(const QByteArray& bytes, const BmpHeader& header);
};

} // namespace gdi
