#include "platform/gdi/scaledpicture.h"

#include "platform/gdi/gdi.h"
#include "platform/gdi/pictureloader.h"
#include "platform/gdi/plainpng.h"
#include "platform/gdi/regularfile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>
#include <cstring>

namespace gdi {

namespace {

// The largest larger picture read: 64 MiB is ten times a 4x sheet.
constexpr qint64 kLargestFile = qint64(64) << 20;

void setAside(const QString& file, const QString& fault) {
    std::fprintf(stderr, "halvane: not using \"%s\": %s; the 1x picture is enlarged instead\n",
                 file.toLocal8Bit().constData(), fault.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

QString ScaledPicture::largerPath(const QString& path, int scale) {
    const QFileInfo file(path);
    const QString base = file.suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0
                             ? file.completeBaseName()
                             : file.fileName();
    return file.dir().filePath(QStringLiteral("%1@%2x.png").arg(base).arg(scale));
}

QImage ScaledPicture::load(const QString& path, const QByteArray& bmp, int scale) {
    const QSize wanted = PictureLoader::size(bmp, path) * scale;
    // Decoding the BMP as well as a sound larger picture would only slow the start.
    const auto enlarged = [&] { return enlarge(PictureLoader::decode(bmp, path), scale); };
    const QString larger = largerPath(path, scale);
    if (!QFileInfo(larger).isFile())
        return enlarged();
    QString fault;
    std::optional<QByteArray> file = ReadRegularFile(larger, kLargestFile, fault);
    if (!file) {
        setAside(larger, fault);
        return enlarged();
    }
    // A picture of another size is left to the general reader, which names its size.
    if (std::optional<QImage> plain = PlainPng::decode(*file, wanted))
        return std::move(*plain);
    QBuffer buffer(&*file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    // The size is read from the header, so a wrong or huge picture is never decoded.
    const QSize size = reader.size();
    if (!size.isValid()) {
        setAside(larger,
                 QStringLiteral("it is not a readable PNG picture (%1)").arg(reader.errorString()));
        return enlarged();
    }
    if (size != wanted) {
        setAside(larger, QStringLiteral("it is %1 x %2 pixels, not %3 x %4")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(wanted.width())
                             .arg(wanted.height()));
        return enlarged();
    }
    QImage image = reader.read();
    if (image.isNull() || image.size() != wanted) {
        setAside(larger,
                 QStringLiteral("it is not a readable PNG picture (%1)").arg(reader.errorString()));
        return enlarged();
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ScaledPicture::enlarge(const QImage& sheet, int scale) {
    const QImage from = sheet.convertToFormat(QImage::Format_RGB32);
    QImage to = NewSurfaceImage(from.size() * scale);
    if (to.isNull())
        return to;
    const std::size_t rowBytes = std::size_t(to.width()) * sizeof(QRgb);
    for (int y = 0; y < from.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(y * scale));
        for (int x = 0; x < from.width(); ++x) {
            for (int k = 0; k < scale; ++k)
                out[x * scale + k] = in[x];
        }
        for (int k = 1; k < scale; ++k)
            std::memcpy(to.scanLine(y * scale + k), out, rowBytes);
    }
    return to;
}

} // namespace gdi
