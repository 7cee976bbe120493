#include "platform/gdi/plainpng.h"

#include "platform/gdi/gdi.h"

#include <QtEndian>

#include <libdeflate.h>

#include <cstring>
#include <memory>
#include <vector>

namespace gdi {

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureSize = 8;

struct Chunk {
    QByteArrayView type;
    QByteArrayView data;
};

// The chunks of `file` after the signature, or nothing when one runs past the end.
std::optional<std::vector<Chunk>> chunksOf(const QByteArray& file) {
    std::vector<Chunk> chunks;
    qsizetype at = kSignatureSize;
    while (at < file.size()) {
        if (file.size() - at < 12)
            return std::nullopt;
        const auto length = qFromBigEndian<quint32>(file.constData() + at);
        if (length > quint32(file.size() - at - 12))
            return std::nullopt;
        chunks.push_back({QByteArrayView(file.constData() + at + 4, 4),
                          QByteArrayView(file.constData() + at + 8, qsizetype(length))});
        at += 12 + qsizetype(length);
    }
    return chunks;
}

// The IDAT chunks' data joined: the compressed rows as one stream.
QByteArray compressedRows(const std::vector<Chunk>& chunks) {
    QByteArray rows;
    for (const Chunk& chunk : chunks) {
        if (chunk.type == "IDAT")
            rows.append(chunk.data);
    }
    return rows;
}

struct DecompressorDeleter {
    void operator()(libdeflate_decompressor* decompressor) const {
        libdeflate_free_decompressor(decompressor);
    }
};

// Widens the stored rows (a filter byte, then R G B for each pixel), which lie at the end
// of the picture's own memory, to the picture's RGB32 rows from the first row on. A pixel
// is written only over stored bytes already read: the stored rows take fewer bytes than
// the picture's, so a widened row never reaches the stored row after it. False when a row
// is filtered.
bool widenInPlace(QImage& image, const unsigned char* stored, std::size_t storedRowBytes) {
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y, stored += storedRowBytes) {
        if (stored[0] != 0)
            return false;
        const unsigned char* from = stored + 1;
        auto* to = image.scanLine(y);
        // Four bytes read at a time reach one byte into the next pixel; the last pixel,
        // whose next byte may lie past the memory's end, is read byte by byte.
        for (int x = 0; x + 1 < width; ++x, from += 3, to += 4) {
            quint32 rgbx = 0;
            std::memcpy(&rgbx, from, 4);
            const quint32 pixel = 0xff000000u | (qFromBigEndian(rgbx) >> 8);
            std::memcpy(to, &pixel, 4);
        }
        const quint32 last = qRgb(from[0], from[1], from[2]);
        std::memcpy(to, &last, 4);
    }
    return true;
}

} // namespace

std::optional<QImage> PlainPng::decode(const QByteArray& file, QSize expected) {
    if (file.size() < kSignatureSize || std::memcmp(file.constData(), kSignature, 8) != 0)
        return std::nullopt;
    const std::optional<std::vector<Chunk>> chunks = chunksOf(file);
    if (!chunks || chunks->empty() || chunks->front().type != "IHDR" ||
        chunks->front().data.size() != 13)
        return std::nullopt;
    const char* header = chunks->front().data.data();
    const auto width = qFromBigEndian<quint32>(header);
    const auto height = qFromBigEndian<quint32>(header + 4);
    const bool plain = header[8] == 8 && header[9] == 2 && header[10] == 0 && header[11] == 0 &&
                       header[12] == 0;
    if (!plain || QSize(int(qMin(width, 0x7fffffffu)), int(qMin(height, 0x7fffffffu))) != expected)
        return std::nullopt;

    QImage image = NewSurfaceImage(expected);
    if (image.isNull() || std::size_t(image.bytesPerLine()) < std::size_t(width) * 4)
        return std::nullopt;
    // The rows are inflated straight into the picture's memory, at its end, and widened
    // there: no second buffer of the picture's size is made (and its pages cleared).
    const std::size_t storedRowBytes = std::size_t(width) * 3 + 1;
    const std::size_t storedBytes = storedRowBytes * height;
    unsigned char* stored = image.bits() + (std::size_t(image.sizeInBytes()) - storedBytes);
    const QByteArray compressed = compressedRows(*chunks);
    const std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor(
        libdeflate_alloc_decompressor());
    std::size_t inflated = 0;
    // Checks the rows' checksum; more data than the rows hold is refused as too long.
    if (!decompressor ||
        libdeflate_zlib_decompress(decompressor.get(), compressed.constData(),
                                   std::size_t(compressed.size()), stored, storedBytes,
                                   &inflated) != LIBDEFLATE_SUCCESS ||
        inflated != storedBytes || !widenInPlace(image, stored, storedRowBytes))
        return std::nullopt;
    return image;
}

} // namespace gdi
