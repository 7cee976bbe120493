#include "tests/gdi/bmpwriter.h"

namespace gdi::test {

namespace {

void put16(QByteArray& out, std::uint32_t value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace

QByteArray writeBmp(const BmpLayout& layout) {
    QByteArray info;
    put32(info, layout.headerSize);
    if (layout.headerSize == 12) {
        put16(info, std::uint32_t(layout.width));
        put16(info, std::uint32_t(layout.height));
        put16(info, layout.planes);
        put16(info, layout.bitCount);
    } else {
        put32(info, std::uint32_t(layout.width));
        put32(info, std::uint32_t(layout.height));
        put16(info, layout.planes);
        put16(info, layout.bitCount);
        put32(info, layout.compression);
        put32(info, std::uint32_t(layout.pixels.size()));
        put32(info, 2835); // 72 dots an inch
        put32(info, 2835);
        put32(info, layout.coloursUsed);
        put32(info, 0);
        // Longer headers carry the masks inside; the rest (colour space) stays zero.
        for (std::size_t i = 0;
             info.size() < int(layout.headerSize) && layout.headerSize > 40 && i < 4; ++i)
            put32(info, i < layout.masks.size() ? layout.masks[i] : 0);
        while (info.size() < int(layout.headerSize))
            info.append('\0');
    }
    QByteArray tables;
    if (layout.headerSize == 40)
        for (const std::uint32_t mask : layout.masks)
            put32(tables, mask);
    for (const std::uint32_t colour : layout.palette) {
        tables.append(char(colour & 0xFF));
        tables.append(char((colour >> 8) & 0xFF));
        tables.append(char((colour >> 16) & 0xFF));
        if (layout.headerSize != 12)
            tables.append('\0');
    }
    const std::uint32_t offset = 14 + std::uint32_t(info.size() + tables.size());
    QByteArray file("BM");
    put32(file, offset + std::uint32_t(layout.pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + tables + layout.pixels;
}

QByteArray packRows(const std::vector<std::vector<std::uint32_t>>& rows, int bitCount,
                    bool bottomUp) {
    QByteArray out;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const auto& row = rows[bottomUp ? rows.size() - 1 - n : n];
        QByteArray bytes;
        if (bitCount <= 8) {
            int filled = 0;
            unsigned current = 0;
            for (const std::uint32_t index : row) {
                current = (current << bitCount) | index;
                filled += bitCount;
                if (filled == 8) {
                    bytes.append(char(current));
                    filled = 0;
                    current = 0;
                }
            }
            if (filled > 0)
                bytes.append(char(current << (8 - filled)));
        } else {
            for (const std::uint32_t colour : row) {
                const std::uint32_t r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF,
                                    b = colour & 0xFF;
                if (bitCount == 16) {
                    put16(bytes, ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
                } else {
                    bytes.append(char(b));
                    bytes.append(char(g));
                    bytes.append(char(r));
                    if (bitCount == 32)
                        bytes.append('\0');
                }
            }
        }
        while (bytes.size() % 4)
            bytes.append('\0');
        out += bytes;
    }
    return out;
}

} // namespace gdi::test
