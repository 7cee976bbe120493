// BitBlt against a reference computed here pixel by pixel: for every destination pixel
// inside the block and the destination, the source pixel it maps to is copied when it
// lies inside the source, and otherwise the destination pixel stays as it was.

#include "platform/gdi/gdi.h"
#include "tests/gdi/surfaces.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace gdi {
namespace {

using test::MemorySurface;
using test::patternImage;

QRgb sourceColour(int x, int y) {
    return 0x800000u | (x << 8) | y;
}
QRgb destinationColour(int x, int y) {
    return 0x400000u | (y << 8) | x;
}

QImage reference(const QImage& destination, const QImage& source, std::int64_t x, std::int64_t y,
                 std::int64_t cx, std::int64_t cy, std::int64_t x1, std::int64_t y1) {
    QImage expected = destination.copy();
    for (std::int64_t py = 0; py < destination.height(); ++py) {
        for (std::int64_t px = 0; px < destination.width(); ++px) {
            if (px < x || px >= x + cx || py < y || py >= y + cy)
                continue;
            const std::int64_t sx = px - x + x1, sy = py - y + y1;
            if (sx >= 0 && sx < source.width() && sy >= 0 && sy < source.height())
                expected.setPixel(int(px), int(py), source.pixel(int(sx), int(sy)));
        }
    }
    return expected;
}

struct Blit {
    const char* name;
    QSize destination;
    QSize source; // ignored when copying within one surface
    bool sameSurface;
    int x, y, cx, cy, x1, y1;
    bool result;
};

void PrintTo(const Blit& blit, std::ostream* out) {
    *out << blit.name;
}

class BitBltClipping : public testing::TestWithParam<Blit> {};

TEST_P(BitBltClipping, MatchesTheReference) {
    const Blit& b = GetParam();
    MemorySurface destination(
        patternImage(b.destination.width(), b.destination.height(), destinationColour));
    MemorySurface separate(patternImage(b.source.width(), b.source.height(), sourceColour));
    const HDC source = b.sameSurface ? destination.dc() : separate.dc();
    const QImage before = SurfaceImage(destination.dc());
    const QImage sourceBefore = SurfaceImage(source);

    EXPECT_EQ(BitBlt(destination.dc(), b.x, b.y, b.cx, b.cy, source, b.x1, b.y1, SRCCOPY),
              b.result);

    const QImage expected =
        b.result ? reference(before, sourceBefore, b.x, b.y, b.cx, b.cy, b.x1, b.y1) : before;
    const QImage actual = SurfaceImage(destination.dc());
    int wrong = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && wrong++ < 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex
                              << actual.pixel(x, y) << ", expected " << expected.pixel(x, y);
    EXPECT_EQ(wrong, 0);
    if (!b.sameSurface) {
        EXPECT_EQ(SurfaceImage(source), sourceBefore) << "the source is never written";
    }
}

const QSize kDst(40, 30);
const QSize kSrc(25, 20);

const Blit kBlits[] = {
    {"Inside", kDst, kSrc, false, 5, 6, 10, 8, 3, 4, true},
    {"PastDestinationLeft", kDst, kSrc, false, -4, 6, 10, 8, 3, 4, true},
    {"PastDestinationRight", kDst, kSrc, false, 35, 6, 10, 8, 3, 4, true},
    {"PastDestinationTop", kDst, kSrc, false, 5, -3, 10, 8, 3, 4, true},
    {"PastDestinationBottom", kDst, kSrc, false, 5, 26, 10, 8, 3, 4, true},
    {"PastSourceLeft", kDst, kSrc, false, 5, 6, 10, 8, -6, 4, true},
    {"PastSourceRight", kDst, kSrc, false, 5, 6, 10, 8, 20, 4, true},
    {"PastSourceTop", kDst, kSrc, false, 5, 6, 10, 8, 3, -5, true},
    {"PastSourceBottom", kDst, kSrc, false, 5, 6, 10, 8, 3, 15, true},
    {"LargerThanBoth", kDst, kSrc, false, -7, -9, 100, 100, -2, -3, true},
    {"WholeSource", kDst, kSrc, false, 0, 0, 25, 20, 0, 0, true},
    {"MostNegativeOrigin", kDst, kSrc, false, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, true},
    {"MostNegativeSource", kDst, kSrc, false, 0, 0, 10, 10, INT_MIN, INT_MIN, true},
    {"HugeSizeFromOrigin", kDst, kSrc, false, 2, 3, INT_MAX, INT_MAX, 1, 1, true},
    {"EndPastIntMax", kDst, kSrc, false, INT_MAX - 5, 2, 100, 5, 0, 0, true},
    {"SourceEndPastIntMax", kDst, kSrc, false, 0, 0, 100, 100, INT_MAX - 3, 0, true},
    {"OffsetsOfOppositeExtremes", kDst, kSrc, false, INT_MAX, 0, 10, 10, INT_MIN, 0, true},
    {"ZeroWidth", kDst, kSrc, false, 5, 6, 0, 8, 3, 4, true},
    {"ZeroHeight", kDst, kSrc, false, 5, 6, 10, 0, 3, 4, true},
    {"NegativeWidth", kDst, kSrc, false, 5, 6, -10, 8, 3, 4, false},
    {"NegativeHeight", kDst, kSrc, false, 5, 6, 10, -8, 3, 4, false},
    {"WhollyOutsideDestination", kDst, kSrc, false, 40, 0, 10, 10, 0, 0, true},
    {"WhollyOutsideSource", kDst, kSrc, false, 0, 0, 10, 10, 0, 20, true},
    {"SameSurfaceDownRight", kDst, {}, true, 8, 7, 20, 15, 3, 2, true},
    {"SameSurfaceUpLeft", kDst, {}, true, 3, 2, 20, 15, 8, 7, true},
    {"SameSurfaceRightInRow", kDst, {}, true, 5, 4, 30, 10, 1, 4, true},
    {"SameSurfaceLeftInRow", kDst, {}, true, 1, 4, 30, 10, 5, 4, true},
    {"SameSurfaceDownOneRow", kDst, {}, true, 0, 1, 40, 29, 0, 0, true},
    {"SameSurfaceUpOneRow", kDst, {}, true, 0, 0, 40, 29, 0, 1, true},
    {"SameSurfaceOntoItself", kDst, {}, true, 4, 4, 10, 10, 4, 4, true},
    {"SameSurfaceClippedBothEnds", kDst, {}, true, -5, 20, 60, 20, 10, -4, true},
};

INSTANTIATE_TEST_SUITE_P(Gdi, BitBltClipping, testing::ValuesIn(kBlits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BitBlt, OnlyPlainCopy) {
    MemorySurface destination(4, 4);
    MemorySurface source(patternImage(4, 4, sourceColour));
    EXPECT_FALSE(BitBlt(destination.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 0x00EE0086));
    EXPECT_EQ(GetPixel(destination.dc(), 1, 1), RGB(0, 0, 0));
    EXPECT_TRUE(BitBlt(destination.dc(), 0, 0, 4, 4, source.dc(), 0, 0, SRCCOPY));
    EXPECT_NE(GetPixel(destination.dc(), 1, 1), RGB(0, 0, 0));
}

TEST(BitBlt, WholeTableCopy) {
    MemorySurface table(patternImage(1920, 1080, [](int x, int y) { return QRgb(x * 1080 + y); }));
    MemorySurface copy(1920, 1080);
    ASSERT_TRUE(BitBlt(copy.dc(), 0, 0, 1920, 1080, table.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(SurfaceImage(copy.dc()), SurfaceImage(table.dc()));
}

} // namespace
} // namespace gdi
