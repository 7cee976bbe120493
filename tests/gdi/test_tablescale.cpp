// Surfaces at a table scale: every call in table pixels gives, at scale s, exactly the
// 1x result with each pixel an s x s block; copies between two scales pick the nearest
// pixel. (Deck pictures at a scale are checked through the engine's deck tests.)

#include "platform/gdi/gdi.h"
#include "tests/gdi/surfaces.h"

#include <gtest/gtest.h>

#include <functional>

namespace gdi {
namespace {

using test::enlarged;
using test::MemorySurface;
using test::patternImage;

QRgb scene(int x, int y) {
    // Black gaps every 8 pixels around coloured cells, as a deck sheet has.
    return (x % 8 == 7 || y % 8 == 7) ? 0 : 0x800000u | (x << 8) | y;
}

struct Step {
    const char* name;
    std::function<void(HDC destination, HDC source)> draw;
};

void PrintTo(const Step& step, std::ostream* out) {
    *out << step.name;
}

const Step kSteps[] = {
    {"CopyInside", [](HDC d, HDC s) { BitBlt(d, 3, 4, 10, 9, s, 2, 1, SRCCOPY); }},
    {"CopyClippedAtTopLeft", [](HDC d, HDC s) { BitBlt(d, -4, -3, 10, 9, s, 2, 1, SRCCOPY); }},
    {"CopyClippedAtBottomRight", [](HDC d, HDC s) { BitBlt(d, 35, 25, 10, 9, s, 2, 1, SRCCOPY); }},
    {"CopyWithinOneSurface", [](HDC d, HDC) { BitBlt(d, 5, 6, 20, 15, d, 2, 3, SRCCOPY); }},
    {"FillGaps",
     [](HDC d, HDC) {
         SetDCBrushColor(d, RGB(0, 128, 0));
         ExtFloodFill(d, 7, 1, RGB(0, 0, 0), FLOODFILLSURFACE);
     }},
    {"SetPixels",
     [](HDC d, HDC) {
         SetPixel(d, 0, 0, RGB(1, 2, 3));
         SetPixel(d, 39, 29, GetPixel(d, 5, 5));
     }},
};

class ScaledDrawing : public testing::TestWithParam<std::tuple<Step, int>> {};

TEST_P(ScaledDrawing, IsTheOneTimesResultEnlarged) {
    const auto& [step, scale] = GetParam();
    const QImage table = patternImage(40, 30, scene);
    const QImage source = patternImage(25, 20, [](int x, int y) { return 0x4000FFu ^ (x * y); });
    MemorySurface plain(table), plainSource(source);
    MemorySurface big(table, scale), bigSource(source, scale);

    step.draw(plain.dc(), plainSource.dc());
    step.draw(big.dc(), bigSource.dc());

    EXPECT_EQ(GetSurfaceSize(big.dc()), QSize(40, 30));
    EXPECT_EQ(SurfaceImage(big.dc()), enlarged(SurfaceImage(plain.dc()), scale));
}

INSTANTIATE_TEST_SUITE_P(Gdi, ScaledDrawing,
                         testing::Combine(testing::ValuesIn(kSteps), testing::Values(2, 3)),
                         [](const testing::TestParamInfo<ScaledDrawing::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "At" +
                                    std::to_string(std::get<1>(info.param)) + "x";
                         });

TEST(TableScale, CopiesBetweenScalesPickTheNearestPixel) {
    const QImage cell = patternImage(12, 10, scene);
    MemorySurface deck(cell, 2), preview(cell.width(), cell.height());
    ASSERT_EQ(GetSurfaceScale(preview.dc()), 1);
    EXPECT_TRUE(BitBlt(preview.dc(), 0, 0, 12, 10, deck.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(SurfaceImage(preview.dc()), cell);
}

TEST(TableScale, NewSurfacesTakeTheScaleOfWhatTheyAreMadeLike) {
    ASSERT_TRUE(SetTableScale(3));
    MemorySurface table(10, 8);
    const HDC like = CreateCompatibleDC(table.dc());
    const HBITMAP bitmap = CreateCompatibleBitmap(like, 5, 4);
    const HGDIOBJ stock = SelectObject(like, bitmap);
    SetTableScale(1);
    EXPECT_EQ(SurfaceImage(table.dc()).size(), QSize(30, 24));
    EXPECT_EQ(GetSurfaceScale(like), 3);
    EXPECT_EQ(GetSurfaceSize(like), QSize(5, 4));
    EXPECT_FALSE(SetTableScale(5));
    EXPECT_EQ(TableScale(), 1);
    SelectObject(like, stock);
    DeleteObject(bitmap);
    DeleteDC(like);
}

TEST(TableScale, ScreenIsReportedInTablePixels) {
    SetScreenPixels(QSize(1921, 1080));
    SetTableScale(2);
    EXPECT_EQ(GetScreenTwips(), QSize(960 * 15, 540 * 15));
    SetTableScale(1);
    SetScreenPixels(QSize());
}

struct Screen {
    const char* name;
    QSize pixels;
    int scale;
};

void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.name;
}

class AutomaticScale : public testing::TestWithParam<Screen> {};

TEST_P(AutomaticScale, KeepsAtLeast960By540TablePixels) {
    EXPECT_EQ(AutomaticTableScale(GetParam().pixels), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, AutomaticScale,
    testing::Values(Screen{"FullHd", {1920, 1080}, 2}, Screen{"Qhd", {2560, 1440}, 2},
                    Screen{"Laptop1366", {1366, 768}, 1}, Screen{"UltraHd", {3840, 2160}, 4},
                    Screen{"JustShortOf3x", {2880, 1619}, 2}, Screen{"Tiny", {640, 480}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gdi
