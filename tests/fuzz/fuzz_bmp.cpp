// The BMP loader: every input decodes or is refused with a gdi::Error, and decoding the
// same bytes twice gives the same pixels. (Leftover memory is caught only where it
// differs between the two decodes: ASan fills new blocks alike.)

#include "platform/gdi/gdi.h"
#include "platform/gdi/pictureloader.h"

#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = QStringLiteral("fuzz.bmp");
    QImage first;
    try {
        first = gdi::PictureLoader::decode(bytes, path);
    } catch (const gdi::Error&) {
        return 0;
    }
    const QImage second = gdi::PictureLoader::decode(bytes, path);
    if (first.format() != QImage::Format_RGB32 || second != first) {
        std::fprintf(stderr, "two decodes of one picture differ\n");
        std::abort();
    }
    return 0;
}
