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

// The stored rows of the 3 x 2 test picture: filter byte, then R G B for each pixel.
QByteArray plainRows(int rows = kHeight) {
    QByteArray bytes;
    for (int y = 0; y < rows; ++y) {
        bytes.append('\0');
        for (int x = 0; x < kWidth; ++x)
            bytes.append(char(10 * x + y)).append(char(100 + x)).append(char(200 + y));
    }
    return bytes;
}

struct Png {
    QByteArray header = bigEndian(kWidth) + bigEndian(kHeight) + QByteArray("\x08\x02\x00\x00\x00", 5);
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
    for (const int parts : {1, 3}) {
        SCOPED_TRACE(testing::Message() << parts << " IDAT chunks");
        Png png;
        png.idatChunks = parts;
        const std::optional<QImage> image = PlainPng::decode(png.file(), QSize(kWidth, kHeight));
        ASSERT_TRUE(image);
        ASSERT_EQ(image->size(), QSize(kWidth, kHeight));
        EXPECT_EQ(image->format(), QImage::Format_RGB32);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                EXPECT_EQ(image->pixel(x, y), qRgb(10 * x + y, 100 + x, 200 + y)) << x << "," << y;
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
