// Window contexts: the written area, presenting frames, and a window that replaces its
// image between calls.

#include "platform/gdi/gdi.h"
#include "platform/gdi/windowtarget.h"
#include "tests/gdi/fakewindow.h"
#include "tests/gdi/surfaces.h"

#include <gtest/gtest.h>

#include <functional>

namespace gdi {
namespace {

using test::FakeWindow;
using test::MemorySurface;

struct Writes {
    const char* name;
    std::function<void(HDC window, HDC memory)> write;
    QRect dirty;
};

void PrintTo(const Writes& writes, std::ostream* out) {
    *out << writes.name;
}

class DirtyArea : public testing::TestWithParam<Writes> {};

TEST_P(DirtyArea, GrowsWithEveryWriteAndIsTakenOnce) {
    FakeWindow window(QSize(100, 80));
    MemorySurface memory(50, 50);
    const HDC dc = CreateWindowDC(&window);
    EXPECT_TRUE(TakeDirtyRect(dc).isEmpty()) << "a new context has written nothing";
    GetParam().write(dc, memory.dc());
    EXPECT_EQ(TakeDirtyRect(dc), GetParam().dirty);
    EXPECT_TRUE(TakeDirtyRect(dc).isEmpty());
    EXPECT_TRUE(TakeDirtyRect(memory.dc()).isEmpty()) << "memory contexts keep no area";
    ReleaseDC(dc);
}

const Writes kWrites[] = {
    {"OnePixel", [](HDC w, HDC) { SetPixel(w, 5, 6, 0); }, QRect(5, 6, 1, 1)},
    {"TwoPixelsSpanTheirBox",
     [](HDC w, HDC) {
         SetPixel(w, 5, 6, 0);
         SetPixel(w, 20, 2, 0);
     },
     QRect(QPoint(5, 2), QPoint(20, 6))},
    {"PixelOutsideIgnored", [](HDC w, HDC) { SetPixel(w, 100, 6, 0); }, QRect()},
    {"CopyIn", [](HDC w, HDC m) { BitBlt(w, 10, 10, 30, 20, m, 0, 0, SRCCOPY); },
     QRect(10, 10, 30, 20)},
    {"CopyInClippedBySource", [](HDC w, HDC m) { BitBlt(w, 10, 10, 30, 20, m, 40, 0, SRCCOPY); },
     QRect(10, 10, 10, 20)},
    {"CopyInClippedByWindow", [](HDC w, HDC m) { BitBlt(w, 90, -5, 30, 20, m, 0, 0, SRCCOPY); },
     QRect(90, 0, 10, 15)},
    {"CopyOutWritesNothing", [](HDC w, HDC m) { BitBlt(m, 0, 0, 30, 20, w, 0, 0, SRCCOPY); },
     QRect()},
    {"RefusedCopyWritesNothing", [](HDC w, HDC m) { BitBlt(w, 0, 0, 30, 20, m, 0, 0, 0); },
     QRect()},
    {"OwnerMarksAnArea", [](HDC w, HDC) { AddDirtyRect(w, QRect(-10, 70, 200, 50)); },
     QRect(0, 70, 100, 10)},
    {"OwnerAndCopyUnite",
     [](HDC w, HDC m) {
         AddDirtyRect(w, QRect(0, 0, 2, 2));
         BitBlt(w, 50, 50, 5, 5, m, 0, 0, SRCCOPY);
     },
     QRect(0, 0, 55, 55)},
};

INSTANTIATE_TEST_SUITE_P(Gdi, DirtyArea, testing::ValuesIn(kWrites),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowContext, FlushPresentsOncePerCallWithTheWrittenArea) {
    FakeWindow window(QSize(100, 80));
    const HDC dc = CreateWindowDC(&window);
    SetPixel(dc, 3, 4, RGB(1, 1, 1));
    SetPixel(dc, 7, 9, RGB(1, 1, 1));
    ASSERT_TRUE(GdiFlush(dc));
    ASSERT_TRUE(GdiFlush(dc));
    ASSERT_EQ(window.m_presented.size(), 2u);
    EXPECT_EQ(window.m_presented[0], QRect(QPoint(3, 4), QPoint(7, 9)));
    EXPECT_TRUE(window.m_presented[1].isEmpty()) << "nothing written since the last frame";
    EXPECT_TRUE(TakeDirtyRect(dc).isEmpty());
    EXPECT_EQ(FrameCount(dc), 2);
    ReleaseDC(dc);
}

TEST(WindowContext, MemoryContextOnlyCountsFrames) {
    MemorySurface memory(4, 4);
    EXPECT_EQ(FrameCount(memory.dc()), 0);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(GdiFlush(memory.dc()));
    EXPECT_EQ(FrameCount(memory.dc()), 3);
}

TEST(WindowContext, WindowMayReleaseTheContextWhilePresenting) {
    FakeWindow window(QSize(10, 10));
    const HDC dc = CreateWindowDC(&window);
    window.m_onPresent = [dc] { EXPECT_TRUE(ReleaseDC(dc)); };
    SetPixel(dc, 1, 1, 0);
    EXPECT_TRUE(GdiFlush(dc));
    EXPECT_FALSE(GdiFlush(dc)) << "released inside present()";
    EXPECT_EQ(window.m_presented.size(), 1u);
}

TEST(WindowContext, FollowsAReplacedImage) {
    FakeWindow window(QSize(10, 10));
    MemorySurface memory(test::patternImage(40, 40, [](int x, int y) { return QRgb(x + y); }));
    const HDC dc = CreateWindowDC(&window);
    window.m_image = QImage(30, 30, QImage::Format_RGB32);
    window.m_image.fill(0xFF000000u);
    EXPECT_EQ(GetSurfaceSize(dc), QSize(30, 30));
    ASSERT_TRUE(BitBlt(dc, 0, 0, 40, 40, memory.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(dc, 29, 29), RGB(0, 0, 58));
    EXPECT_EQ(TakeDirtyRect(dc), QRect(0, 0, 30, 30));

    window.m_image = QImage();
    EXPECT_FALSE(BitBlt(dc, 0, 0, 4, 4, memory.dc(), 0, 0, SRCCOPY)) << "no image to draw on";
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    window.m_image = QImage(8, 8, QImage::Format_Indexed8);
    EXPECT_FALSE(BitBlt(dc, 0, 0, 4, 4, memory.dc(), 0, 0, SRCCOPY)) << "not 32 bits a pixel";
    ReleaseDC(dc);
}

TEST(WindowContext, WritesLandInTheWindowImageWithoutCopyingIt) {
    FakeWindow window(QSize(10, 10));
    const uchar* pixels = window.m_image.constBits();
    const HDC dc = CreateWindowDC(&window);
    SetPixel(dc, 2, 3, RGB(0x10, 0x20, 0x30));
    MemorySurface memory(5, 5);
    BitBlt(dc, 5, 5, 5, 5, memory.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(window.m_image.constBits(), pixels);
    EXPECT_EQ(window.m_image.pixel(2, 3), 0xFF102030u);
    ReleaseDC(dc);
}

} // namespace
} // namespace gdi
