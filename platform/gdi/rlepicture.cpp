#include "platform/gdi/rlepicture.h"

#include <array>
#include <cstdint>

namespace gdi {

namespace {

// Paints the rows of the picture bottom up, as the stream runs, clipping at its edges.
class RowPainter {
public:
    RowPainter(QImage& image, const std::array<QRgb, 256>& colours)
        : m_image(image), m_colours(colours) {}

    bool done() const { return m_row >= m_image.height(); }
    void endLine() {
        m_x = 0;
        ++m_row;
    }
    void skip(int right, int up) {
        m_x += right;
        m_row += up;
    }

    void paint(unsigned index) {
        if (m_x < m_image.width() && !done()) {
            auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(m_image.height() - 1 - m_row));
            line[m_x] = m_colours[index];
        }
        ++m_x;
    }

private:
    QImage& m_image;
    const std::array<QRgb, 256>& m_colours;
    std::int64_t m_x = 0; // may run far past the edge with long runs and deltas
    int m_row = 0;        // counted from the bottom
};

} // namespace

QImage RlePicture::decode(const QByteArray& bytes, const BmpHeader& header) {
    std::array<QRgb, 256> colours;
    colours.fill(0xFF000000u);
    const QList<std::uint32_t> palette = header.palette(bytes);
    for (qsizetype i = 0; i < palette.size() && i < qsizetype(colours.size()); ++i) {
        colours[std::size_t(i)] = palette.at(i);
    }

    QImage image(header.size(), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(colours[0]);

    const bool nibbles = header.compression() == BmpHeader::Rle4;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype at = header.pixelOffset();
    RowPainter rows(image, colours);
    // The header check walked this stream already; the bounds checks stay so that the
    // decoder never relies on another class for memory safety.
    while (!rows.done() && at + 2 <= size) {
        const unsigned count = data[at];
        const unsigned code = data[at + 1];
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) {
                rows.paint(nibbles ? (i % 2 == 0 ? code >> 4 : code & 0x0F) : code);
            }
        } else if (code == 0) {
            rows.endLine();
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (at + 2 > size) {
                break;
            }
            rows.skip(data[at], data[at + 1]);
            at += 2;
        } else {
            qsizetype stored = nibbles ? (code + 1) / 2 : code;
            if (at + stored > size) {
                break;
            }
            for (unsigned i = 0; i < code; ++i) {
                const unsigned byte = data[at + (nibbles ? i / 2 : i)];
                rows.paint(nibbles ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
            }
            stored += stored & 1; // literals are padded to a whole 16-bit word
            at += stored;
        }
    }
    return image;
}

} // namespace gdi
