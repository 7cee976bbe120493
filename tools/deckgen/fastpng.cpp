#include "tools/deckgen/fastpng.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace halvane::deckgen {

namespace {

void putBigEndian(QByteArray& out, std::uint32_t value) {
    const std::array<char, 4> bytes{char(value >> 24), char(value >> 16), char(value >> 8),
                                    char(value)};
    out.append(bytes.data(), 4);
}

// A chunk: length, type, data, and the CRC of type and data.
void putChunk(QByteArray& out, const char* type, const QByteArray& data) {
    putBigEndian(out, std::uint32_t(data.size()));
    QByteArray typed(type, 4);
    typed += data;
    out += typed;
    const auto crc = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(typed.data()),
                           uInt(typed.size()));
    putBigEndian(out, std::uint32_t(crc));
}

} // namespace

QByteArray fastPng(const QImage& image) {
    if (image.isNull()) {
        throw std::runtime_error("an empty picture has no PNG form");
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();

    QByteArray rows;
    rows.reserve(qsizetype(height) * (qsizetype(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        rows.append('\0'); // filter 0: the row as it is
        rows.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), qsizetype(width) * 3);
    }
    uLongf packedSize = compressBound(uLong(rows.size()));
    QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.constData()), uLong(rows.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("zlib could not compress the picture");
    }
    packed.truncate(qsizetype(packedSize));

    QByteArray header;
    putBigEndian(header, std::uint32_t(width));
    putBigEndian(header, std::uint32_t(height));
    header.append(char(8)); // bits per channel
    header.append(char(2)); // colour type: RGB
    header.append(3, '\0'); // deflate, adaptive filtering method, no interlace

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

} // namespace halvane::deckgen
