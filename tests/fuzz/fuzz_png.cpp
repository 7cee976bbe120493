// The plain PNG decoder of the larger deck pictures, beside Qt's own: every input is
// decoded or refused without a fault, a picture comes out at the size asked for, and where
// both decoders read a file they agree on every pixel. (Qt's reader also checks the
// chunks' checksums, which the plain decoder leaves to the rows' own, so only pictures
// both read are compared.)

#include "platform/gdi/plainpng.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The size the header states, when there is one, so that sound files decode.
    QSize expected(1, 1);
    if (bytes.size() >= 24) {
        expected = QSize(int(qFromBigEndian<quint32>(bytes.constData() + 16) & 0xfff),
                         int(qFromBigEndian<quint32>(bytes.constData() + 20) & 0xfff));
    }
    const std::optional<QImage> plain = gdi::PlainPng::decode(bytes, expected);
    if (!plain) {
        return 0;
    }
    if (plain->size() != expected || plain->format() != QImage::Format_RGB32) {
        std::fprintf(stderr, "a plain picture of another size or format\n");
        std::abort();
    }
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage general = reader.read();
    if (!general.isNull() && general.convertToFormat(QImage::Format_RGB32) != *plain) {
        std::fprintf(stderr, "the plain and the general decoder disagree\n");
        std::abort();
    }
    return 0;
}
