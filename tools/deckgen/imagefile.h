#pragma once
// Writing a finished picture to disk in one piece: the file appears complete or not at
// all, so an interrupted build never leaves a half-written deck behind that looks up to
// date.

#include <QImage>
#include <QString>

namespace halvane::deckgen {

class ImageFile {
public:
    // Writes `image` to `path` in `format` ("BMP": 24-bit for an RGB32 image, "PNG").
    // Throws std::runtime_error naming the path and the reason.
    static void write(const QImage& image, const QString& path, const char* format);
    // Writes `bytes`, a picture already in its file's form, to `path`. Throws as write().
    static void write(const QByteArray& bytes, const QString& path);
};

} // namespace halvane::deckgen
