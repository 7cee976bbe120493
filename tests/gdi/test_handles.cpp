// The handle table: what lives, what is refused, and what SelectObject hands back.

#include "platform/gdi/gdi.h"
#include "platform/gdi/windowtarget.h"
#include "tests/gdi/fakewindow.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>

namespace gdi {
namespace {

struct Counts {
    int dcs;
    int bitmaps;
};

Counts liveNow() {
    return {LiveDCCount(), LiveBitmapCount()};
}

struct Sequence {
    const char* name;
    // Runs the steps, checking each result; leaves objects alive on purpose where the row
    // counts them, and returns what it created so the test can free it afterwards.
    std::function<void(std::vector<HDC>& dcs, std::vector<HBITMAP>& bitmaps)> steps;
    Counts grown; // live counts after the steps, relative to before
};

void PrintTo(const Sequence& row, std::ostream* out) {
    *out << row.name;
}

class HandleSequence : public testing::TestWithParam<Sequence> {};

TEST_P(HandleSequence, LiveCountsFollowTheSteps) {
    const Counts before = liveNow();
    std::vector<HDC> dcs;
    std::vector<HBITMAP> bitmaps;
    GetParam().steps(dcs, bitmaps);
    EXPECT_EQ(LiveDCCount() - before.dcs, GetParam().grown.dcs);
    EXPECT_EQ(LiveBitmapCount() - before.bitmaps, GetParam().grown.bitmaps);
    for (const HDC dc : dcs)
        DeleteDC(dc);
    for (const HBITMAP bitmap : bitmaps)
        DeleteObject(bitmap);
    EXPECT_EQ(LiveDCCount(), before.dcs);
    EXPECT_EQ(LiveBitmapCount(), before.bitmaps);
}

const Sequence kSequences[] = {
    {"CreateContextAndBitmap",
     [](auto& dcs, auto& bitmaps) {
         dcs.push_back(CreateCompatibleDC(0));
         bitmaps.push_back(CreateCompatibleBitmap(dcs[0], 10, 10));
         EXPECT_NE(dcs[0], 0);
         EXPECT_NE(bitmaps[0], 0);
         EXPECT_NE(dcs[0], bitmaps[0]);
     },
     {1, 1}},
    {"SelectedBitmapCannotBeDeleted",
     [](auto& dcs, auto& bitmaps) {
         dcs.push_back(CreateCompatibleDC(0));
         bitmaps.push_back(CreateCompatibleBitmap(dcs[0], 4, 4));
         SelectObject(dcs[0], bitmaps[0]);
         EXPECT_FALSE(DeleteObject(bitmaps[0]));
     },
     {1, 1}},
    {"DeleteDCDeselectsButKeepsTheBitmap",
     [](auto&, auto& bitmaps) {
         const HDC dc = CreateCompatibleDC(0);
         bitmaps.push_back(CreateCompatibleBitmap(dc, 4, 4));
         SelectObject(dc, bitmaps[0]);
         EXPECT_TRUE(DeleteDC(dc));
         const HDC other = CreateCompatibleDC(0);
         EXPECT_NE(SelectObject(other, bitmaps[0]), 0) << "the bitmap is free again";
         EXPECT_TRUE(DeleteDC(other));
     },
     {0, 1}},
    {"DoubleDeleteRefused",
     [](auto&, auto&) {
         const HDC dc = CreateCompatibleDC(0);
         const HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
         EXPECT_TRUE(DeleteObject(bitmap));
         EXPECT_FALSE(DeleteObject(bitmap));
         EXPECT_TRUE(DeleteDC(dc));
         EXPECT_FALSE(DeleteDC(dc));
     },
     {0, 0}},
    {"StaleHandlesRefused",
     [](auto& dcs, auto& bitmaps) {
         const HDC dead = CreateCompatibleDC(0);
         const HBITMAP gone = CreateCompatibleBitmap(dead, 4, 4);
         DeleteObject(gone);
         DeleteDC(dead);
         dcs.push_back(CreateCompatibleDC(0));
         EXPECT_EQ(SelectObject(dcs[0], gone), 0);
         bitmaps.push_back(CreateCompatibleBitmap(dcs[0], 1, 1));
         EXPECT_EQ(SelectObject(dead, bitmaps[0]), 0);
         EXPECT_EQ(CreateCompatibleDC(dead), 0);
         EXPECT_EQ(CreateCompatibleBitmap(dead, 4, 4), 0);
         EXPECT_EQ(GetPixel(dead, 0, 0), CLR_INVALID);
         EXPECT_FALSE(BitBlt(dcs[0], 0, 0, 1, 1, dead, 0, 0, SRCCOPY));
         EXPECT_FALSE(GdiFlush(dead));
     },
     {1, 1}},
    {"ZeroHandleRefused",
     [](auto&, auto&) {
         EXPECT_EQ(SelectObject(0, 0), 0);
         EXPECT_FALSE(DeleteObject(0));
         EXPECT_FALSE(DeleteDC(0));
         EXPECT_FALSE(ReleaseDC(0));
         EXPECT_EQ(CreateCompatibleBitmap(0, 4, 4), 0);
         EXPECT_EQ(SetDCBrushColor(0, 0), CLR_INVALID);
         EXPECT_EQ(SetPixel(0, 0, 0, 0), CLR_INVALID);
         EXPECT_FALSE(BitBlt(0, 0, 0, 1, 1, 0, 0, 0, SRCCOPY));
         EXPECT_FALSE(ExtFloodFill(0, 0, 0, 0, FLOODFILLSURFACE));
         EXPECT_TRUE(GetSurfaceSize(0).isEmpty());
         EXPECT_TRUE(SurfaceImage(0).isNull());
         EXPECT_EQ(FrameCount(0), 0);
     },
     {0, 0}},
    {"StockBitmapHandedBackAndShared",
     [](auto& dcs, auto& bitmaps) {
         dcs.push_back(CreateCompatibleDC(0));
         dcs.push_back(CreateCompatibleDC(0));
         bitmaps.push_back(CreateCompatibleBitmap(dcs[0], 4, 4));
         const HBITMAP stock = SelectObject(dcs[0], bitmaps[0]);
         EXPECT_NE(stock, 0);
         EXPECT_EQ(GetSurfaceSize(dcs[1]), QSize(1, 1)) << "a fresh context holds 1x1";
         EXPECT_EQ(SelectObject(dcs[0], stock), bitmaps[0]);
         EXPECT_EQ(SelectObject(dcs[1], stock), stock) << "both hold the stock bitmap";
         EXPECT_FALSE(DeleteObject(stock));
     },
     {2, 1}},
    {"BitmapInOneContextAtATime",
     [](auto& dcs, auto& bitmaps) {
         dcs.push_back(CreateCompatibleDC(0));
         dcs.push_back(CreateCompatibleDC(0));
         bitmaps.push_back(CreateCompatibleBitmap(dcs[0], 4, 4));
         bitmaps.push_back(CreateCompatibleBitmap(dcs[0], 8, 8));
         SelectObject(dcs[0], bitmaps[0]);
         SelectObject(dcs[1], bitmaps[1]);
         EXPECT_EQ(SelectObject(dcs[1], bitmaps[0]), 0);
         EXPECT_EQ(GetSurfaceSize(dcs[1]), QSize(8, 8)) << "the refused select changed nothing";
         EXPECT_EQ(SelectObject(dcs[0], bitmaps[0]), bitmaps[0]) << "reselecting is harmless";
         EXPECT_EQ(SelectObject(dcs[0], bitmaps[1]), 0);
     },
     {2, 2}},
    {"WindowContextsApart",
     [](auto&, auto& bitmaps) {
         test::FakeWindow window(QSize(8, 8));
         const HDC dc = CreateWindowDC(&window);
         bitmaps.push_back(CreateCompatibleBitmap(dc, 4, 4));
         EXPECT_EQ(SelectObject(dc, bitmaps[0]), 0);
         EXPECT_FALSE(DeleteDC(dc)) << "a window context is released, not deleted";
         const HDC memory = CreateCompatibleDC(dc);
         EXPECT_NE(memory, 0);
         EXPECT_FALSE(ReleaseDC(memory));
         EXPECT_TRUE(DeleteDC(memory));
         EXPECT_TRUE(ReleaseDC(dc));
         EXPECT_FALSE(ReleaseDC(dc));
         EXPECT_EQ(CreateWindowDC(nullptr), 0);
     },
     {0, 1}},
};

INSTANTIATE_TEST_SUITE_P(Gdi, HandleSequence, testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Handles, FreedHandlesAreNotHandedOutAgain) {
    const HDC dc = CreateCompatibleDC(0);
    std::set<HBITMAP> seen;
    for (int i = 0; i < 2000; ++i) {
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, 1, 1);
        ASSERT_TRUE(seen.insert(bitmap).second) << "handle " << bitmap << " came back";
        ASSERT_TRUE(DeleteObject(bitmap));
    }
    EXPECT_EQ(seen.count(dc), 0u);
    DeleteDC(dc);
}

struct BitmapSize {
    const char* name;
    int width;
    int height;
    bool made;
};

void PrintTo(const BitmapSize& row, std::ostream* out) {
    *out << row.name;
}

class BitmapSizes : public testing::TestWithParam<BitmapSize> {};

TEST_P(BitmapSizes, OnlyOneTo32767OnBothAxes) {
    const HDC dc = CreateCompatibleDC(0);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, GetParam().width, GetParam().height);
    EXPECT_EQ(bitmap != 0, GetParam().made);
    if (bitmap) {
        SelectObject(dc, bitmap);
        EXPECT_EQ(GetSurfaceSize(dc), QSize(GetParam().width, GetParam().height));
        EXPECT_EQ(GetPixel(dc, GetParam().width - 1, GetParam().height - 1), RGB(0, 0, 0));
    }
    DeleteDC(dc);
    DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, BitmapSizes,
    testing::Values(BitmapSize{"OneByOne", 1, 1, true}, BitmapSize{"Widest", 32767, 1, true},
                    BitmapSize{"Tallest", 1, 32767, true}, BitmapSize{"ZeroWidth", 0, 5, false},
                    BitmapSize{"ZeroHeight", 5, 0, false}, BitmapSize{"Negative", -5, 5, false},
                    BitmapSize{"TooWide", 32768, 1, false}, BitmapSize{"TooTall", 1, 32768, false},
                    BitmapSize{"HugeBoth", INT_MAX, INT_MAX, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gdi
