#include "platform/gdi/bmpheader.h"

#include <algorithm>
#include <cstdlib>

namespace gdi {

namespace {

constexpr std::int64_t kFileHeaderSize = 14;
constexpr int kMaxSide = 32767;
// See the header: a two-byte run paints at most 255 pixels.
constexpr std::int64_t kRlePixelsPerByte = 128;
constexpr std::int64_t kAlwaysAllowedRlePixels = std::int64_t(1) << 20;

std::uint32_t u16(const QByteArray& bytes, std::int64_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + at;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
}

std::uint32_t u32(const QByteArray& bytes, std::int64_t at) {
    return u16(bytes, at) | (u16(bytes, at + 2) << 16);
}

std::int32_t i32(const QByteArray& bytes, std::int64_t at) {
    return std::int32_t(u32(bytes, at));
}

QString truncated(const char* part, std::int64_t needed, std::int64_t present) {
    return QStringLiteral("truncated (%1 needs %2 bytes, %3 present)")
        .arg(QLatin1String(part))
        .arg(needed)
        .arg(std::max<std::int64_t>(present, 0));
}

QString compressionName(std::uint32_t compression) {
    switch (compression) {
    case 0:
        return QStringLiteral("BI_RGB");
    case 1:
        return QStringLiteral("BI_RLE8");
    case 2:
        return QStringLiteral("BI_RLE4");
    case 3:
        return QStringLiteral("BI_BITFIELDS");
    case 4:
        return QStringLiteral("BI_JPEG");
    case 5:
        return QStringLiteral("BI_PNG");
    case 6:
        return QStringLiteral("BI_ALPHABITFIELDS");
    default:
        return QString::number(compression);
    }
}

} // namespace

std::optional<BmpHeader> BmpHeader::read(const QByteArray& bytes, QString& fault) {
    if (bytes.isEmpty()) {
        fault = QStringLiteral("empty file");
        return std::nullopt;
    }
    if (!bytes.startsWith("BM")) {
        fault = QStringLiteral("not a BMP picture"); // its content is not ours to repeat
        return std::nullopt;
    }
    BmpHeader header;
    if (!header.readInfo(bytes, fault) || !header.checkPalette(bytes, fault) ||
        !header.checkPixels(bytes, fault))
        return std::nullopt;
    return header;
}

bool BmpHeader::readInfo(const QByteArray& bytes, QString& fault) {
    const std::int64_t size = bytes.size();
    if (size < kFileHeaderSize + 4) {
        fault = truncated("the file header", kFileHeaderSize + 4, size);
        return false;
    }
    m_pixelOffset = u32(bytes, 10);
    m_headerSize = u32(bytes, 14);
    switch (m_headerSize) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 108:
    case 124:
        break;
    default:
        fault = QStringLiteral("unsupported header size %1 (expected 12, 40, 52, 56, 108 or 124)")
                    .arg(m_headerSize);
        return false;
    }
    if (size < kFileHeaderSize + m_headerSize) {
        fault = truncated("the picture header", kFileHeaderSize + m_headerSize, size);
        return false;
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t compression = Rgb;
    if (m_headerSize == 12) {
        width = u16(bytes, 18);
        height = u16(bytes, 20);
        planes = u16(bytes, 22);
        m_bitCount = int(u16(bytes, 24));
    } else {
        width = i32(bytes, 18);
        height = i32(bytes, 22);
        planes = u16(bytes, 26);
        m_bitCount = int(u16(bytes, 28));
        compression = u32(bytes, 30);
        m_coloursUsed = u32(bytes, 46);
    }
    if (planes != 1) {
        fault = QStringLiteral("plane count is %1, must be 1").arg(planes);
        return false;
    }
    switch (m_bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        fault = QStringLiteral("unsupported bit count %1 (expected 1, 4, 8, 16, 24 or 32)")
                    .arg(m_bitCount);
        return false;
    }
    const bool fits = compression == Rgb || (compression == Rle8 && m_bitCount == 8) ||
                      (compression == Rle4 && m_bitCount == 4) ||
                      (compression == BitFields && (m_bitCount == 16 || m_bitCount == 32));
    if (compression > BitFields) {
        fault = QStringLiteral("unsupported compression %1").arg(compressionName(compression));
        return false;
    }
    if (!fits) {
        fault = QStringLiteral("compression %1 does not go with %2 bits a pixel")
                    .arg(compressionName(compression))
                    .arg(m_bitCount);
        return false;
    }
    m_compression = Compression(compression);
    if (width < 1 || width > kMaxSide) {
        fault = QStringLiteral("width %1 is not in 1..%2").arg(width).arg(kMaxSide);
        return false;
    }
    if (height == 0 || std::llabs(height) > kMaxSide) {
        fault = QStringLiteral("height %1 is not in 1..%2 (or -1..-%2 top-down)")
                    .arg(height)
                    .arg(kMaxSide);
        return false;
    }
    m_width = int(width);
    m_height = int(std::llabs(height));
    m_topDown = height < 0;
    if (m_topDown && (m_compression == Rle8 || m_compression == Rle4)) {
        fault = QStringLiteral("a top-down picture cannot be compressed (%1)")
                    .arg(compressionName(compression));
        return false;
    }
    m_tablesEnd = kFileHeaderSize + m_headerSize;
    if (m_compression == BitFields && m_headerSize == 40) {
        m_tablesEnd += 12; // red, green and blue masks follow the short header
        if (size < m_tablesEnd) {
            fault = truncated("the colour mask table", 12, size - (m_tablesEnd - 12));
            return false;
        }
    }
    return true;
}

bool BmpHeader::checkPalette(const QByteArray& bytes, QString& fault) {
    if (m_bitCount > 8)
        return true; // any colour table is only a display hint; the decoder skips it
    const std::int64_t most = std::int64_t(1) << m_bitCount;
    if (m_coloursUsed > most) {
        fault = QStringLiteral("palette of %1 colours is too big for %2 bits a pixel (at most %3)")
                    .arg(m_coloursUsed)
                    .arg(m_bitCount)
                    .arg(most);
        return false;
    }
    const std::int64_t colours = m_coloursUsed ? m_coloursUsed : most;
    const std::int64_t entry = m_headerSize == 12 ? 3 : 4;
    const std::int64_t start = m_tablesEnd;
    m_paletteStart = start;
    m_paletteColours = colours;
    m_tablesEnd += colours * entry;
    if (bytes.size() < m_tablesEnd) {
        fault = truncated("the palette", colours * entry, bytes.size() - start);
        return false;
    }
    return true;
}

bool BmpHeader::checkPixels(const QByteArray& bytes, QString& fault) const {
    const std::int64_t size = bytes.size();
    if (m_pixelOffset < m_tablesEnd) {
        fault = QStringLiteral("pixel data offset %1 lies inside the headers and palette, which "
                               "end at byte %2")
                    .arg(m_pixelOffset)
                    .arg(m_tablesEnd);
        return false;
    }
    if (m_pixelOffset >= size) {
        fault = QStringLiteral("truncated (pixel data starts at byte %1, the file has %2 bytes)")
                    .arg(m_pixelOffset)
                    .arg(size);
        return false;
    }
    if (m_compression == Rle8 || m_compression == Rle4) {
        const std::int64_t pixels = std::int64_t(m_width) * m_height;
        const std::int64_t most =
            std::max(kAlwaysAllowedRlePixels, (size - m_pixelOffset) * kRlePixelsPerByte);
        if (pixels > most) {
            fault = QStringLiteral("%1 x %2 pixels are more than %3 bytes of compressed data "
                                   "can describe (at most %4 pixels)")
                        .arg(m_width)
                        .arg(m_height)
                        .arg(size - m_pixelOffset)
                        .arg(most);
            return false;
        }
        return checkRle(bytes, fault);
    }
    const std::int64_t stride = (std::int64_t(m_width) * m_bitCount + 31) / 32 * 4;
    const std::int64_t needed = stride * m_height;
    if (size - m_pixelOffset < needed) {
        fault = truncated("pixel data", needed, size - m_pixelOffset);
        return false;
    }
    return true;
}

// Walks the run-length stream to its end so that a stream cut short is refused. Runs that
// stray outside the picture are the decoder's to clip; only missing bytes are faults here.
bool BmpHeader::checkRle(const QByteArray& bytes, QString& fault) const {
    const std::int64_t size = bytes.size();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    std::int64_t at = m_pixelOffset;
    std::int64_t row = 0;
    const auto cut = [&] {
        fault = QStringLiteral("truncated (compressed pixel data ends in row %1 of %2 without "
                               "an end-of-picture mark)")
                    .arg(std::min<std::int64_t>(row + 1, m_height))
                    .arg(m_height);
        return false;
    };
    while (row < m_height) {
        if (at + 2 > size)
            return cut();
        const unsigned count = data[at];
        const unsigned code = data[at + 1];
        at += 2;
        if (count > 0)
            continue; // a run of one value
        if (code == 0) {
            ++row; // end of line
        } else if (code == 1) {
            return true; // end of picture
        } else if (code == 2) {
            if (at + 2 > size)
                return cut();
            row += data[at + 1]; // delta: right and down
            at += 2;
        } else {
            // Literal pixels, padded to a whole 16-bit word.
            std::int64_t literal = m_compression == Rle8 ? code : (code + 1) / 2;
            literal += literal & 1;
            if (at + literal > size)
                return cut();
            at += literal;
        }
    }
    return true;
}

QList<std::uint32_t> BmpHeader::palette(const QByteArray& bytes) const {
    QList<std::uint32_t> colours;
    const std::int64_t entry = m_headerSize == 12 ? 3 : 4;
    for (std::int64_t i = 0; i < m_paletteColours; ++i) {
        const std::int64_t at = m_paletteStart + i * entry; // blue, green, red
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + at;
        colours.append(0xFF000000u | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) |
                       p[0]);
    }
    return colours;
}

QByteArray BmpHeader::decodableBytes(const QByteArray& bytes) const {
    if (m_headerSize != 52 && m_headerSize != 56)
        return bytes;
    // The 52- and 56-byte headers are the 40-byte one plus the masks; the 108-byte header
    // starts the same way and adds a colour space, left zero here. Pixel data moves along.
    constexpr std::uint32_t kLongHeader = 108;
    const std::uint32_t grow = kLongHeader - m_headerSize;
    QByteArray out = bytes.left(kFileHeaderSize + m_headerSize);
    if (m_compression != BitFields) // masks only mean something with BI_BITFIELDS
        out.replace(kFileHeaderSize + 40, int(m_headerSize) - 40,
                    QByteArray(int(m_headerSize) - 40, '\0'));
    out.append(QByteArray(int(grow), '\0'));
    out.append(bytes.mid(kFileHeaderSize + m_headerSize));
    const auto put32 = [&out](int at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    put32(2, u32(bytes, 2) + grow);
    put32(10, m_pixelOffset + grow);
    put32(14, kLongHeader);
    return out;
}

} // namespace gdi
