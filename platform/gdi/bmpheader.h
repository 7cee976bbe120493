#pragma once
// The headers of a BMP file, read and checked against the whole file before any pixel is
// decoded: every size, count and offset they state must fit the format and the file.
//
// A run-length picture (RLE8, RLE4) must also be one its data could describe: a run of
// two bytes paints at most 255 pixels, so the picture may claim at most 128 pixels for
// each byte of compressed data; pictures of up to 1,048,576 pixels (4 MiB decoded) are
// always allowed, since end-of-line and end-of-picture marks may leave any part unpainted.

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

namespace gdi {

class BmpHeader {
public:
    enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

    // The headers of `bytes` (a whole file) when the file is a complete BMP picture this
    // loader can decode; otherwise nullopt with `fault` saying what is wrong, phrased to
    // follow "Cannot load picture "<path>": ".
    static std::optional<BmpHeader> read(const QByteArray& bytes, QString& fault);

    QSize size() const { return {m_width, m_height}; } // pixels, always positive
    bool topDown() const { return m_topDown; }
    int bitCount() const { return m_bitCount; }
    Compression compression() const { return m_compression; }
    std::uint32_t headerSize() const { return m_headerSize; }
    std::uint32_t pixelOffset() const { return m_pixelOffset; } // bytes from the file start

    // The palette as 0xAARRGGBB colours, opaque, in file order; empty above 8 bits a pixel.
    QList<std::uint32_t> palette(const QByteArray& bytes) const;

    // The file as the image decoder should see it. Info headers of 52 and 56 bytes are
    // rewritten as the 40-byte header plus colour masks that every decoder knows; the
    // pixels and palette are untouched.
    QByteArray decodableBytes(const QByteArray& bytes) const;

private:
    BmpHeader() = default;
    bool readInfo(const QByteArray& bytes, QString& fault);
    bool checkPalette(const QByteArray& bytes, QString& fault);
    bool checkPixels(const QByteArray& bytes, QString& fault) const;
    bool checkRle(const QByteArray& bytes, QString& fault) const;

    std::uint32_t m_pixelOffset = 0;
    std::uint32_t m_headerSize = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_topDown = false;
    int m_bitCount = 0;
    Compression m_compression = Rgb;
    std::uint32_t m_coloursUsed = 0;
    std::int64_t m_tablesEnd = 0; // end of headers, masks and palette
    std::int64_t m_paletteStart = 0;
    std::int64_t m_paletteColours = 0;
};

} // namespace gdi
