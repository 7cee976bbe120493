#include "platform/gdi/plainpng.h"

#include "platform/gdi/gdi.h"

#include <QtEndian>

#include <zlib.h>

#include <cstring>
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

// Feeds the IDAT chunks to zlib one after the other.
class Rows {
public:
    explicit Rows(const std::vector<Chunk>& chunks) : m_chunks(chunks) {
        m_ok = inflateInit(&m_stream) == Z_OK;
    }
    ~Rows() { inflateEnd(&m_stream); }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    // Fills `row` completely; false when the data ends or is broken first.
    bool next(std::vector<unsigned char>& row) {
        m_stream.next_out = row.data();
        m_stream.avail_out = uInt(row.size());
        while (m_ok && m_stream.avail_out > 0) {
            if (m_stream.avail_in == 0 && !feed())
                return false;
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            if (result == Z_STREAM_END) {
                m_ended = true;
                return m_stream.avail_out == 0;
            }
            m_ok = result == Z_OK;
        }
        return m_ok;
    }

    // Has the compressed data ended exactly, with its checksum right?
    bool endedCleanly() {
        if (m_ended)
            return true;
        unsigned char spare = 0;
        m_stream.next_out = &spare;
        m_stream.avail_out = 1;
        while (m_ok) {
            if (m_stream.avail_in == 0 && !feed())
                return false;
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            if (result == Z_STREAM_END)
                return m_stream.avail_out == 1;
            m_ok = result == Z_OK && m_stream.avail_out == 1;
        }
        return false;
    }

private:
    bool feed() {
        while (m_next < m_chunks.size()) {
            const Chunk& chunk = m_chunks[m_next++];
            if (chunk.type == "IDAT" && !chunk.data.isEmpty()) {
                m_stream.next_in =
                    reinterpret_cast<Bytef*>(const_cast<char*>(chunk.data.data()));
                m_stream.avail_in = uInt(chunk.data.size());
                return true;
            }
        }
        return false;
    }

    const std::vector<Chunk>& m_chunks;
    std::size_t m_next = 0;
    z_stream m_stream{};
    bool m_ok = false;
    bool m_ended = false;
};

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
    if (image.isNull())
        return std::nullopt;
    Rows rows(*chunks);
    std::vector<unsigned char> row(std::size_t(width) * 3 + 1);
    for (int y = 0; y < int(height); ++y) {
        if (!rows.next(row) || row[0] != 0)
            return std::nullopt;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        const unsigned char* from = row.data() + 1;
        for (quint32 x = 0; x < width; ++x, from += 3)
            to[x] = qRgb(from[0], from[1], from[2]);
    }
    if (!rows.endedCleanly())
        return std::nullopt;
    return image;
}

} // namespace gdi
