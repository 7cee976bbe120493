// The fast path for the larger deck pictures: plain files decode to their pixels; every
// other or broken file is left to the general decoder (nullopt), never half decoded.

#include "platform/gdi/plainpng.h"

#include <QtEndian>

#include <zlib.h>

#include <gtest/gtest.h>

#include <functional>

namespace gdi {
namespace {

constexpr int kWidth = 3;
constexpr int kHeight = 2;

QByteArray bigEndian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type, 4) + data;
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()));
    return bigEndian(quint32(data.size())) + typed + bigEndian(quint32(crc));
}

// The test picture's colour at (x, y): every byte differs from its neighbours'.
QRgb colorAt(int x, int y) {
    return qRgb((10 * x + y) & 0xff, (100 + x + 7 * y) & 0xff, (200 + y + 3 * x) & 0xff);
}

// The stored rows of a test picture `width` wide: filter byte, then R G B for each pixel.
QByteArray plainRows(int rows = kHeight, int width = kWidth) {
    QByteArray bytes;
    bytes.reserve(qsizetype(rows) * (3 * width + 1));
    for (int y = 0; y < rows; ++y) {
        bytes.append('\0');
        for (int x = 0; x < width; ++x) {
            const QRgb color = colorAt(x, y);
            bytes.append(char(qRed(color))).append(char(qGreen(color))).append(char(qBlue(color)));
        }
    }
    return bytes;
}

QByteArray plainHeader(int width = kWidth, int height = kHeight) {
    return bigEndian(quint32(width)) + bigEndian(quint32(height)) +
           QByteArray("\x08\x02\x00\x00\x00", 5);
}

struct Png {
    QByteArray header = plainHeader();
    QByteArray rows = plainRows();
    int idatChunks = 1;
    std::function<void(QByteArray& packed)> spoil = [](QByteArray&) {};

    QByteArray file() const {
        QByteArray packed(int(compressBound(uLong(rows.size()))), '\0');
        uLongf size = uLongf(packed.size());
        compress(reinterpret_cast<Bytef*>(packed.data()), &size,
                 reinterpret_cast<const Bytef*>(rows.constData()), uLong(rows.size()));
        packed.truncate(qsizetype(size));
        spoil(packed);
        QByteArray out = QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header);
        const qsizetype part = (packed.size() + idatChunks - 1) / idatChunks;
        for (qsizetype at = 0; at < packed.size(); at += part)
            out += chunk("IDAT", packed.mid(at, part));
        return out + chunk("IEND", {});
    }
};

TEST(PlainPng, DecodesEveryPixel) {
    // The rows are widened in the picture's own memory, so the small picture (memory of
    // its own) and the deck-sized one (surface memory) both check every pixel, the last
    // row's and the last column's above all.
    const struct {
        const char* name;
        QSize size;
        int idatChunks;
    } kRows[] = {
        {"Small", {kWidth, kHeight}, 1},
        {"SmallInThreeChunks", {kWidth, kHeight}, 3},
        {"DeckSheetAtTwice", {1872, 970}, 40},
        {"OnePixel", {1, 1}, 1},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        Png png;
        png.header = plainHeader(row.size.width(), row.size.height());
        png.rows = plainRows(row.size.height(), row.size.width());
        png.idatChunks = row.idatChunks;
        const std::optional<QImage> image = PlainPng::decode(png.file(), row.size);
        ASSERT_TRUE(image);
        ASSERT_EQ(image->size(), row.size);
        EXPECT_EQ(image->format(), QImage::Format_RGB32);
        int wrong = 0;
        for (int y = 0; y < row.size.height(); ++y) {
            for (int x = 0; x < row.size.width(); ++x) {
                if (image->pixel(x, y) != colorAt(x, y) && ++wrong <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

struct Refused {
    const char* name;
    std::function<QByteArray()> file;
};

const Refused kRefused[] = {
    {"NotAPng", [] { return QByteArray("BM not a png at all"); }},
    {"FilteredRow",
     [] {
         Png png;
         png.rows[1 + kWidth * 3] = 2; // the second row's filter byte: "up"
         return png.file();
     }},
    {"Greyscale",
     [] {
         Png png;
         png.header[9] = 0;
         return png.file();
     }},
    {"SixteenBits",
     [] {
         Png png;
         png.header[8] = 16;
         return png.file();
     }},
    {"Interlaced",
     [] {
         Png png;
         png.header[12] = 1;
         return png.file();
     }},
    {"RowMissing",
     [] {
         Png png;
         png.rows = plainRows(kHeight - 1);
         return png.file();
     }},
    {"RowLeftOver",
     [] {
         Png png;
         png.rows = plainRows(kHeight + 1);
         return png.file();
     }},
    {"RowsFailTheirChecksum",
     [] {
         Png png;
         png.spoil = [](QByteArray& packed) { packed[packed.size() - 1] ^= 1; };
         return png.file();
     }},
    {"ChunkCutShort", [] { return Png().file().chopped(20); }},
    {"ZeroWidth",
     [] {
         Png png;
         png.header.replace(0, 4, bigEndian(0));
         return png.file();
     }},
    {"OtherSizeThanExpected",
     [] {
         Png png;
         png.header.replace(0, 8, bigEndian(kHeight) + bigEndian(kWidth));
         png.rows = QByteArray(kWidth * (kHeight * 3 + 1), '\0');
         return png.file();
     }},
    {"HugeClaim",
     [] {
         Png png;
         png.header.replace(0, 8, bigEndian(100000) + bigEndian(100000));
         return png.file();
     }},
};

class PlainPngRefuses : public testing::TestWithParam<Refused> {};

TEST_P(PlainPngRefuses, LeavesItToTheGeneralDecoder) {
    EXPECT_FALSE(PlainPng::decode(GetParam().file(), QSize(kWidth, kHeight)));
}

INSTANTIATE_TEST_SUITE_P(Gdi, PlainPngRefuses, testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gdi
