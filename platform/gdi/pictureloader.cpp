#include "platform/gdi/pictureloader.h"

#include "platform/gdi/bmpheader.h"
#include "platform/gdi/gdi.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace gdi {

namespace {

// The largest picture file read: a 32767 x 32767 24-bit picture is 3 GiB, far beyond any
// deck, and QByteArray holds less than 2 GiB.
constexpr qint64 kLargestFile = qint64(1) << 30;

[[noreturn]] void fail(const QString& path, const QString& what) {
    throw Error(QStringLiteral("Cannot load picture \"%1\": %2").arg(path, what).toStdString());
}

} // namespace

QImage PictureLoader::load(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        fail(path, QStringLiteral("file not found"));
    if (info.isDir())
        fail(path, QStringLiteral("is a folder, not a file"));
    // A pipe or device would block or never end; a picture is always an ordinary file.
    if (!info.isFile())
        fail(path, QStringLiteral("is not an ordinary file"));
    if (info.size() > kLargestFile)
        fail(path,
             QStringLiteral("too large (%1 bytes, at most %2)").arg(info.size()).arg(kLargestFile));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(path, QStringLiteral("cannot be read (%1)").arg(file.errorString()));
    return decode(bytes, path);
}

QImage PictureLoader::decode(const QByteArray& bytes, const QString& path) {
    QString fault;
    const std::optional<BmpHeader> header = BmpHeader::read(bytes, fault);
    if (!header)
        fail(path, fault);
    QBuffer buffer;
    buffer.setData(header->decodableBytes(bytes));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoTransform(false);
    QImage image;
    if (!reader.read(&image))
        fail(path, QStringLiteral("cannot be decoded (%1)").arg(reader.errorString()));
    if (image.size() != header->size())
        fail(path, QStringLiteral("decoded to %1 x %2 pixels instead of %3 x %4")
                       .arg(image.width())
                       .arg(image.height())
                       .arg(header->size().width())
                       .arg(header->size().height()));
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        fail(path, QStringLiteral("not enough memory for %1 x %2 pixels")
                       .arg(header->size().width())
                       .arg(header->size().height()));
    return image;
}

} // namespace gdi
