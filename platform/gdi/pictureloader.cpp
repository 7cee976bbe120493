#include "platform/gdi/pictureloader.h"

#include "platform/gdi/bmpheader.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/regularfile.h"
#include "platform/gdi/rlepicture.h"

#include <QBuffer>
#include <QImageReader>

namespace gdi {

namespace {

// The largest picture file read: a 32767 x 32767 24-bit picture is 3 GiB, far beyond any
// deck, and QByteArray holds less than 2 GiB.
constexpr qint64 kLargestFile = qint64(1) << 30;

[[noreturn]] void fail(const QString& path, const QString& what) {
    throw Error(QStringLiteral("Cannot load picture \"%1\": %2").arg(path, what).toStdString());
}

QImage checkedImage(QImage image, const BmpHeader& header, const QString& path) {
    if (image.isNull())
        fail(path, QStringLiteral("not enough memory for %1 x %2 pixels")
                       .arg(header.size().width())
                       .arg(header.size().height()));
    return image;
}

// Plain 24-bit rows, as every shipped deck sheet is stored, read straight into the
// picture: the general decoder takes longer over one sheet than the rest of the table's
// start. The header has checked that every row lies in the file.
QImage decodeRgb24(const QByteArray& bytes, const BmpHeader& header) {
    const QSize size = header.size();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const std::int64_t stride = (std::int64_t(size.width()) * 24 + 31) / 32 * 4;
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + header.pixelOffset();
    for (int y = 0; y < size.height(); ++y) {
        const int fileRow = header.topDown() ? y : size.height() - 1 - y;
        const uchar* from = pixels + fileRow * stride;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x, from += 3)
            to[x] = qRgb(from[2], from[1], from[0]);
    }
    return image;
}

} // namespace

QImage PictureLoader::load(const QString& path) {
    return decode(read(path), path);
}

QByteArray PictureLoader::read(const QString& path) {
    QString fault;
    std::optional<QByteArray> bytes = ReadRegularFile(path, kLargestFile, fault);
    if (!bytes)
        fail(path, fault);
    return std::move(*bytes);
}

QSize PictureLoader::size(const QByteArray& bytes, const QString& path) {
    QString fault;
    const std::optional<BmpHeader> header = BmpHeader::read(bytes, fault);
    if (!header)
        fail(path, fault);
    return header->size();
}

QImage PictureLoader::decode(const QByteArray& bytes, const QString& path) {
    QString fault;
    const std::optional<BmpHeader> header = BmpHeader::read(bytes, fault);
    if (!header)
        fail(path, fault);
    if (header->compression() == BmpHeader::Rle8 || header->compression() == BmpHeader::Rle4)
        return checkedImage(RlePicture::decode(bytes, *header), *header, path);
    if (header->compression() == BmpHeader::Rgb && header->bitCount() == 24)
        return checkedImage(decodeRgb24(bytes, *header), *header, path);
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
    return checkedImage(image.convertToFormat(QImage::Format_RGB32), *header, path);
}

} // namespace gdi
