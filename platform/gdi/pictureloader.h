#pragma once
// Reads a BMP file into a 32-bit image. The file is checked in full before it is
// decoded, so a truncated or damaged file is refused with a message saying what is wrong
// instead of yielding half a picture.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace gdi {

class PictureLoader {
public:
    // The picture in `path` as a Format_RGB32 image. Throws gdi::Error with a message of
    // the form `Cannot load picture "<path>": <what is wrong>`.
    static QImage load(const QString& path);

    // The bytes of the file at `path`, refused as load() refuses it when it cannot be read.
    static QByteArray read(const QString& path);

    // The picture's size in pixels from its checked header, without decoding it; throws as
    // load() does for a header or length that is wrong.
    static QSize size(const QByteArray& bytes, const QString& path);

    // The same for the bytes of a file; `path` only names it in messages.
    static QImage decode(const QByteArray& bytes, const QString& path);
};

} // namespace gdi
