// The larger deck sheets are written unfiltered, so that the table's start decodes them
// fast; the picture read back must be the one drawn.

#include "tools/deckgen/fastpng.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <zlib.h>

#include <gtest/gtest.h>

namespace halvane::deckgen {
namespace {

QImage sample(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 37) & 255, (y * 11) & 255, (x ^ y) & 255));
        }
    }
    return image;
}

// The inflated image data of a PNG file's IDAT chunks.
QByteArray rowsOf(const QByteArray& png) {
    QByteArray packed;
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const auto length = qFromBigEndian<quint32>(png.constData() + at);
        if (png.mid(at + 4, 4) == "IDAT") {
            packed += png.mid(at + 8, qsizetype(length));
        }
        at += 12 + qsizetype(length);
    }
    QByteArray rows(16 << 20, Qt::Uninitialized);
    uLongf size = uLongf(rows.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &size,
                         reinterpret_cast<const Bytef*>(packed.constData()), uLong(packed.size())),
              Z_OK);
    rows.truncate(qsizetype(size));
    return rows;
}

struct Size {
    const char* name;
    int width;
    int height;
};

class FastPngTest : public testing::TestWithParam<Size> {};

TEST_P(FastPngTest, ReadsBackAsDrawnWithEveryRowUnfiltered) {
    const QImage drawn = sample(GetParam().width, GetParam().height);
    QByteArray png = fastPng(drawn);
    QBuffer buffer(&png);
    QImageReader reader(&buffer, "PNG");
    const QImage read = reader.read();
    ASSERT_FALSE(read.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), drawn);

    const QByteArray rows = rowsOf(png);
    const qsizetype stride = qsizetype(drawn.width()) * 3 + 1;
    ASSERT_EQ(rows.size(), stride * drawn.height());
    for (int y = 0; y < drawn.height(); ++y) {
        ASSERT_EQ(rows[y * stride], '\0') << "row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, FastPngTest,
                         testing::Values(Size{"OnePixel", 1, 1}, Size{"OddWidth", 143, 7},
                                         Size{"SheetAtTwice", 1872, 970}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FastPng, RefusesAnEmptyPicture) {
    EXPECT_THROW(fastPng(QImage()), std::runtime_error);
}

} // namespace
} // namespace halvane::deckgen
