#pragma once
// Builds BMP files byte by byte for the picture loader's tests, so every variant (and
// every way of breaking one) is spelled out in the test rather than taken from a codec.

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace gdi::test {

struct BmpLayout {
    std::uint32_t headerSize = 40; // 12, 40, 52, 56, 108 or 124
    std::int32_t width = 0;
    std::int32_t height = 0; // negative for top-down
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB each
    std::vector<std::uint32_t> masks;   // red, green, blue (and alpha) for BI_BITFIELDS
    QByteArray pixels;                  // the pixel data exactly as stored
};

// The whole file: file header, info header, masks, palette, pixels, with the offsets and
// sizes filled in to match.
QByteArray writeBmp(const BmpLayout& layout);

// Offsets of the fields a test may want to break afterwards.
constexpr int kPixelOffsetAt = 10;
constexpr int kHeaderSizeAt = 14;

// Packs rows of palette indices (1, 4 or 8 bits) or of 0x00RRGGBB colours (16 bits as
// 5-5-5, 24 as B G R, 32 as B G R 0) into stored rows, each padded to 4 bytes. `rows` are
// given top row first; `bottomUp` stores them last row first, as BMP files usually do.
QByteArray packRows(const std::vector<std::vector<std::uint32_t>>& rows, int bitCount,
                    bool bottomUp = true);

} // namespace gdi::test
