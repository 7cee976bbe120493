// Single pixels, colours, surface copies in and out, and the screen size.

#include "platform/gdi/gdi.h"
#include "tests/gdi/surfaces.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <climits>

namespace gdi {
namespace {

using test::MemorySurface;

struct PixelAt {
    const char* name;
    int x;
    int y;
    bool inside;
};

void PrintTo(const PixelAt& row, std::ostream* out) {
    *out << row.name;
}

class PixelAccess : public testing::TestWithParam<PixelAt> {};

TEST_P(PixelAccess, OnlyInsideTheSurface) {
    MemorySurface surface(7, 5);
    const PixelAt& at = GetParam();
    const COLORREF colour = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(SetPixel(surface.dc(), at.x, at.y, colour), at.inside ? colour : CLR_INVALID);
    EXPECT_EQ(GetPixel(surface.dc(), at.x, at.y), at.inside ? colour : CLR_INVALID);
    const QImage image = SurfaceImage(surface.dc());
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            changed += image.pixel(x, y) != 0xFF000000u;
    EXPECT_EQ(changed, at.inside ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, PixelAccess,
    testing::Values(PixelAt{"TopLeft", 0, 0, true}, PixelAt{"BottomRight", 6, 4, true},
                    PixelAt{"LeftOfSurface", -1, 0, false}, PixelAt{"RightOfSurface", 7, 0, false},
                    PixelAt{"AboveSurface", 0, -1, false}, PixelAt{"BelowSurface", 0, 5, false},
                    PixelAt{"MostNegative", INT_MIN, INT_MIN, false},
                    PixelAt{"MostPositive", INT_MAX, INT_MAX, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pixels, ColoursKeepTheirByteOrder) {
    MemorySurface surface(1, 1);
    SetPixel(surface.dc(), 0, 0, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(SurfaceImage(surface.dc()).pixel(0, 0), 0xFF112233u) << "red is the low byte";
    EXPECT_EQ(SetPixel(surface.dc(), 0, 0, 0x01ABCDEF), 0x00ABCDEFu) << "top byte ignored";
    EXPECT_EQ(GetPixel(surface.dc(), 0, 0), 0x00ABCDEFu);
}

TEST(Pixels, FillColourStartsWhiteAndIsKeptPerContext) {
    MemorySurface first(1, 1);
    MemorySurface second(1, 1);
    EXPECT_EQ(SetDCBrushColor(first.dc(), RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(SetDCBrushColor(first.dc(), RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(SetDCBrushColor(second.dc(), 0), RGB(255, 255, 255));
}

TEST(Pixels, SurfaceImageIsADeepCopy) {
    MemorySurface surface(3, 3);
    QImage copy = SurfaceImage(surface.dc());
    SetPixel(surface.dc(), 1, 1, RGB(255, 0, 0));
    EXPECT_EQ(copy.pixel(1, 1), 0xFF000000u) << "the copy does not follow the surface";
    copy.setPixel(2, 2, 0xFF00FF00u);
    EXPECT_EQ(GetPixel(surface.dc(), 2, 2), RGB(0, 0, 0)) << "the surface does not follow it";
}

TEST(Pixels, BitmapFromImageCopiesAndConverts) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, 0xFF102030u);
    picture.setPixel(1, 0, 0xFFA0B0C0u);
    MemorySurface surface(picture);
    picture.setPixel(0, 0, 0xFFFFFFFFu);
    ASSERT_EQ(GetSurfaceSize(surface.dc()), QSize(2, 1));
    EXPECT_EQ(GetPixel(surface.dc(), 0, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GetPixel(surface.dc(), 1, 0), RGB(0xA0, 0xB0, 0xC0));
    EXPECT_EQ(CreateBitmapFromImage(QImage()), 0);
}

TEST(Screen, OverrideThenFixedSizeWithoutAnApplication) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    SetScreenPixels(QSize(800, 600));
    EXPECT_EQ(GetScreenTwips(), QSize(12000, 9000));
    SetScreenPixels(QSize(INT_MAX, 40000));
    EXPECT_EQ(GetScreenTwips(), QSize(32767 * 15, 32767 * 15)) << "capped, no overflow";
    SetScreenPixels(QSize());
    EXPECT_EQ(GetScreenTwips(), QSize(1920 * 15, 1080 * 15));
}

TEST(Screen, PrimaryScreenOfARunningApplication) {
    int argc = 1;
    char name[] = "test_gdi";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(GetScreenTwips(), QGuiApplication::primaryScreen()->size() * 15);
    SetScreenPixels(QSize(640, 480));
    EXPECT_EQ(GetScreenTwips(), QSize(9600, 7200)) << "the override wins over the screen";
    SetScreenPixels(QSize());
}

} // namespace
} // namespace gdi
