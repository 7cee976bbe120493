// New surfaces: a new bitmap reads black wherever its first uses did not write, though its
// pixels are only made black when first used; and the images large surfaces lie on.

#include "platform/gdi/gdi.h"
#include "tests/gdi/surfaces.h"

#include <gtest/gtest.h>

#include <functional>

namespace gdi {
namespace {

using test::MemorySurface;

// Large enough for several tiles of pending black at every scale, with copies across their
// edges.
constexpr int kWidth = 50;
constexpr int kHeight = 40;
constexpr QRgb kBlack = 0xFF000000u;

QRgb pattern(int x, int y) {
    return 0xFF000000u | QRgb(0x10 + x) << 16 | QRgb(0x40 + y) << 8 | 0x99u;
}

// After the picture's top-left 25 x 20 pixels are copied to (20, 15).
QRgb partCopied(int x, int y) {
    return x >= 20 && x < 45 && y >= 15 && y < 35 ? pattern(x - 20, y - 15) : kBlack;
}

// The first uses of a new kWidth x kHeight bitmap, and what each table pixel reads then.
struct FirstUse {
    const char* name;
    std::function<void(HDC bitmap, HDC picture)> use;
    std::function<QRgb(int x, int y)> expected;
};

void PrintTo(const FirstUse& row, std::ostream* out) {
    *out << row.name;
}

const FirstUse kFirstUses[] = {
    {"NothingWritten", [](HDC, HDC) {}, [](int, int) { return kBlack; }},
    {"WholeSurfaceCopiedOver",
     [](HDC bitmap, HDC picture) { BitBlt(bitmap, 0, 0, kWidth, kHeight, picture, 0, 0, SRCCOPY); },
     pattern},
    {"MoreThanTheSurfaceCopiedOver",
     [](HDC bitmap, HDC picture) {
         BitBlt(bitmap, -2, -1, kWidth + 4, kHeight + 3, picture, 0, 0, SRCCOPY);
     },
     [](int x, int y) { return pattern(x + 2, y + 1); }},
    {"PartCopiedOver",
     [](HDC bitmap, HDC picture) { BitBlt(bitmap, 20, 15, 25, 20, picture, 0, 0, SRCCOPY); },
     partCopied},
    {"PartCopiedThenMovedOverlappingWithinItself",
     [](HDC bitmap, HDC picture) {
         BitBlt(bitmap, 20, 15, 25, 20, picture, 0, 0, SRCCOPY);
         BitBlt(bitmap, 27, 24, 23, 16, bitmap, 20, 15, SRCCOPY);
     },
     [](int x, int y) { return x >= 27 && y >= 24 ? partCopied(x - 7, y - 9) : partCopied(x, y); }},
    {"CopiedOntoItself",
     [](HDC bitmap, HDC) { BitBlt(bitmap, 0, 0, kWidth, kHeight, bitmap, 1, 1, SRCCOPY); },
     [](int, int) { return kBlack; }},
    {"OnePixelSet", [](HDC bitmap, HDC) { SetPixel(bitmap, 33, 31, RGB(0x99, 0x40, 0x10)); },
     [](int x, int y) { return x == 33 && y == 31 ? 0xFF994010u : kBlack; }},
    {"FloodFilledFromACorner",
     [](HDC bitmap, HDC) {
         SetDCBrushColor(bitmap, RGB(0, 0, 0xFF));
         ExtFloodFill(bitmap, kWidth - 1, kHeight - 1, RGB(0, 0, 0), FLOODFILLSURFACE);
     },
     [](int, int) { return 0xFF0000FFu; }},
    {"CopiedFromBeforeItIsWritten",
     [](HDC bitmap, HDC picture) {
         BitBlt(picture, 0, 0, 2, 2, bitmap, 0, 0, SRCCOPY);
         BitBlt(bitmap, 1, 1, 2, 2, picture, 0, 0, SRCCOPY);
     },
     [](int, int) { return kBlack; }},
};

class NewBitmap : public testing::TestWithParam<std::tuple<FirstUse, int>> {};

TEST_P(NewBitmap, ReadsBlackWhereItsFirstUsesDidNotWrite) {
    const auto& [row, scale] = GetParam();
    ASSERT_TRUE(SetTableScale(scale));
    {
        MemorySurface bitmap(kWidth, kHeight);
        MemorySurface picture(test::patternImage(kWidth + 4, kHeight + 3, pattern), scale);
        ASSERT_NE(bitmap.bitmap(), 0);
        ASSERT_EQ(GetSurfaceScale(bitmap.dc()), scale);
        row.use(bitmap.dc(), picture.dc());
        const QImage device = SurfaceImage(bitmap.dc());
        ASSERT_EQ(device.size(), QSize(kWidth, kHeight) * scale);
        int wrong = 0;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                wrong += device.pixel(x, y) != row.expected(x / scale, y / scale);
        EXPECT_EQ(wrong, 0) << "device pixels that read wrong";
    }
    SetTableScale(1);
}

INSTANTIATE_TEST_SUITE_P(Gdi, NewBitmap,
                         testing::Combine(testing::ValuesIn(kFirstUses), testing::Values(1, 2, 3)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(std::get<1>(info.param)) + "x";
                         });

// Below, at and above the size that goes onto memory of its own.
class NewSurfaceImageSize : public testing::TestWithParam<QSize> {};

TEST_P(NewSurfaceImageSize, IsAWritableImageOfItsOwn) {
    const QSize size = GetParam();
    QImage image = NewSurfaceImage(size);
    ASSERT_EQ(image.size(), size);
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    ASSERT_EQ(image.bytesPerLine(), size.width() * 4);
    image.fill(0xFF123456u);
    const QPoint last(size.width() - 1, size.height() - 1);
    image.setPixel(last, 0xFFABCDEFu);
    const QImage copy = image;
    image.setPixel(0, 0, 0xFF00FF00u);
    EXPECT_EQ(copy.pixel(0, 0), 0xFF123456u) << "writing after a copy must not change the copy";
    EXPECT_EQ(image.pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(copy.pixel(last), 0xFFABCDEFu) << "the last pixel lies within the memory";
}

INSTANTIATE_TEST_SUITE_P(Gdi, NewSurfaceImageSize,
                         testing::Values(QSize(2, 1), QSize(71, 96), QSize(1024, 512),
                                         QSize(1920, 1080), QSize(3841, 2161)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

TEST(NewSurfaceImage, EmptySizesGiveNoImage) {
    EXPECT_TRUE(NewSurfaceImage(QSize()).isNull());
    EXPECT_TRUE(NewSurfaceImage(QSize(0, 10)).isNull());
    EXPECT_TRUE(NewSurfaceImage(QSize(10, -1)).isNull());
}

} // namespace
} // namespace gdi
