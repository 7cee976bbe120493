#include "tools/deckgen/imagefile.h"

#include <QImageWriter>
#include <QSaveFile>
#include <stdexcept>

namespace halvane::deckgen {

void ImageFile::write(const QImage& image, const QString& path, const char* format) {
    auto fail = [&](const QString& why) {
        throw std::runtime_error("cannot write \"" + path.toStdString() +
                                 "\": " + why.toStdString());
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    QImageWriter writer(&file, format);
    if (!writer.write(image))
        fail(writer.errorString());
    if (!file.commit())
        fail(file.errorString());
}

void ImageFile::write(const QByteArray& bytes, const QString& path) {
    auto fail = [&](const QString& why) {
        throw std::runtime_error("cannot write \"" + path.toStdString() +
                                 "\": " + why.toStdString());
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(file.errorString());
}

} // namespace halvane::deckgen
