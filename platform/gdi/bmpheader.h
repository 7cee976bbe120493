#pragma once
// The headers of a BMP file, read and checked against the whole file before any pixel is
// decoded: every size, count and offset they state must fit the format and the file.

#include <QByteArray>
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
};

} // namespace gdi
