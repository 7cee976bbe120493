// ExtFloodFill on small scenes drawn as text, and on whole-screen areas checked against a
// breadth-first reference fill; FloodArea and FillArea on scenes too.

#include "platform/gdi/gdi.h"
#include "tests/gdi/fakewindow.h"
#include "tests/gdi/surfaces.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <deque>
#include <vector>

namespace gdi {
namespace {

using test::MemorySurface;

// Scene letters and their colours; the fill paints with 'F'.
COLORREF colourOf(char c) {
    switch (c) {
    case '.':
        return RGB(0, 0, 0);
    case '#':
        return RGB(255, 255, 0);
    case 'o':
        return RGB(0, 0, 255);
    case 'F':
        return RGB(255, 0, 0);
    }
    ADD_FAILURE() << "no colour for '" << c << "'";
    return 0;
}

char letterOf(COLORREF colour) {
    for (const char c : {'.', '#', 'o', 'F'})
        if (colourOf(c) == colour)
            return c;
    return '?';
}

void draw(HDC dc, const std::vector<const char*>& scene) {
    for (int y = 0; y < int(scene.size()); ++y)
        for (int x = 0; scene[y][x]; ++x)
            SetPixel(dc, x, y, colourOf(scene[y][x]));
}

std::vector<std::string> read(HDC dc) {
    const QSize size = GetSurfaceSize(dc);
    std::vector<std::string> rows(size.height(), std::string(size.width(), ' '));
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            rows[y][x] = letterOf(GetPixel(dc, x, y));
    return rows;
}

struct Fill {
    const char* name;
    std::vector<const char*> before;
    int x, y;
    char colour;
    unsigned type;
    bool result;
    std::vector<const char*> after;
};

void PrintTo(const Fill& fill, std::ostream* out) {
    *out << fill.name;
}

class FloodFillScenes : public testing::TestWithParam<Fill> {};

TEST_P(FloodFillScenes, PaintsExactlyTheArea) {
    const Fill& f = GetParam();
    MemorySurface surface(int(std::strlen(f.before[0])), int(f.before.size()));
    draw(surface.dc(), f.before);
    SetDCBrushColor(surface.dc(), colourOf('F'));
    EXPECT_EQ(ExtFloodFill(surface.dc(), f.x, f.y, colourOf(f.colour), f.type), f.result);
    EXPECT_EQ(read(surface.dc()), std::vector<std::string>(f.after.begin(), f.after.end()));
}

const std::vector<const char*> kRoom = {
    "#######", "#..o..#", "#.ooo.#", "#..o..#", "####.##", "o.....o",
};

const Fill kFills[] = {
    {"SurfaceFillsOnlyItsColour",
     kRoom,
     5,
     1,
     '.',
     FLOODFILLSURFACE,
     true,
     {"#######", "#..oFF#", "#.oooF#", "#..oFF#", "####F##", "oFFFFFo"}},
    {"SurfaceIsFourConnected",
     {"..#", ".#.", "#.."},
     0,
     0,
     '.',
     FLOODFILLSURFACE,
     true,
     {"FF#", "F#.", "#.."}},
    {"SurfaceAroundHoles",
     {".....", ".#.#.", ".....", ".#o#.", "....."},
     2,
     2,
     '.',
     FLOODFILLSURFACE,
     true,
     {"FFFFF", "F#F#F", "FFFFF", "F#o#F", "FFFFF"}},
    {"BorderPaintsEverythingInside",
     kRoom,
     2,
     2,
     '#',
     FLOODFILLBORDER,
     true,
     {"#######", "#FFFFF#", "#FFFFF#", "#FFFFF#", "####F##", "FFFFFFF"}},
    {"BorderAroundAnIsland",
     {"#####", "#...#", "#.#.#", "#...#", "#####"},
     1,
     1,
     '#',
     FLOODFILLBORDER,
     true,
     {"#####", "#FFF#", "#F#F#", "#FFF#", "#####"}},
    {"BorderWithFillColourAlreadyInside",
     {"#####", "#.F.#", "#F#F#", "#.F.#", "#####"},
     1,
     1,
     '#',
     FLOODFILLBORDER,
     true,
     {"#####", "#FFF#", "#F#F#", "#FFF#", "#####"}},
    {"SurfaceAlreadyOfTheFillColour",
     {"FF#", "F#.", "..."},
     0,
     0,
     'F',
     FLOODFILLSURFACE,
     true,
     {"FF#", "F#.", "..."}},
    {"BorderOfTheFillColour",
     {".F.", "F..", "..."},
     2,
     2,
     'F',
     FLOODFILLBORDER,
     true,
     {".FF", "FFF", "FFF"}},
    {"StartNotOfTheColour", kRoom, 0, 0, '.', FLOODFILLSURFACE, false, kRoom},
    {"StartOnTheBorder", kRoom, 0, 0, '#', FLOODFILLBORDER, false, kRoom},
    {"StartLeftOfSurface", kRoom, -1, 1, '.', FLOODFILLSURFACE, false, kRoom},
    {"StartBelowSurface", kRoom, 1, 6, '.', FLOODFILLSURFACE, false, kRoom},
    {"StartFarOutside", kRoom, INT_MIN, INT_MAX, '.', FLOODFILLBORDER, false, kRoom},
    {"UnknownFillType", kRoom, 1, 1, '.', 7, false, kRoom},
};

INSTANTIATE_TEST_SUITE_P(Gdi, FloodFillScenes, testing::ValuesIn(kFills),
                         [](const auto& info) { return std::string(info.param.name); });

// FloodArea from `points` on black painting 'F' (or finding only, then FillArea with 'F'),
// then FillArea with 'o': the second fill must cover the same pixels though they are no
// longer black.
struct AreaScene {
    const char* name;
    std::vector<const char*> before;
    std::initializer_list<QPoint> points;
    std::vector<const char*> afterF;
    std::vector<const char*> afterO;
};

void PrintTo(const AreaScene& scene, std::ostream* out) {
    *out << scene.name;
}

class AreaScenes : public testing::TestWithParam<AreaScene> {};

TEST_P(AreaScenes, RefillsExactlyTheAreaFound) {
    const AreaScene& a = GetParam();
    const auto rows = [](const std::vector<const char*>& scene) {
        return std::vector<std::string>(scene.begin(), scene.end());
    };
    for (const int scale : {1, 2}) {
        for (const bool findOnly : {false, true}) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << (findOnly ? ", find only" : ""));
            const QImage picture = test::patternImage(
                int(std::strlen(a.before[0])), int(a.before.size()), [&](int x, int y) {
                    const COLORREF c = colourOf(a.before[y][x]);
                    return qRgb(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
                });
            MemorySurface surface(picture, scale);
            const HDC dc = surface.dc();
            if (findOnly) {
                const Area area = FloodArea(dc, a.points, colourOf('.'), colourOf('.'));
                EXPECT_EQ(read(dc), rows(a.before)) << "finding paints nothing";
                ASSERT_TRUE(FillArea(dc, area, colourOf('F')));
                EXPECT_EQ(read(dc), rows(a.afterF));
                ASSERT_TRUE(FillArea(dc, area, colourOf('o')));
            } else {
                const Area area = FloodArea(dc, a.points, colourOf('.'), colourOf('F'));
                EXPECT_EQ(read(dc), rows(a.afterF));
                ASSERT_TRUE(FillArea(dc, area, colourOf('o')));
            }
            EXPECT_EQ(read(dc), rows(a.afterO));
            const QImage device = SurfaceImage(dc);
            EXPECT_EQ(device, test::enlarged(device.scaled(picture.size()), scale))
                << "every device pixel of a table pixel is painted alike";
        }
    }
}

const AreaScene kAreas[] = {
    {"TwoPointsJoinTwoAreas",
     {"..#..", "###..", "o.#.o"},
     {QPoint(0, 0), QPoint(3, 2)},
     {"FF#FF", "###FF", "o.#Fo"},
     {"oo#oo", "###oo", "o.#oo"}},
    {"BothPointsInOneArea",
     {"...#", "#..#", "####"},
     {QPoint(0, 0), QPoint(2, 1)},
     {"FFF#", "#FF#", "####"},
     {"ooo#", "#oo#", "####"}},
    {"PointsOffTheColourOrOutsideAddNothing",
     {"#..", "...", "..o"},
     {QPoint(0, 0), QPoint(2, 2), QPoint(-1, 0), QPoint(3, 1)},
     {"#..", "...", "..o"},
     {"#..", "...", "..o"}},
};

INSTANTIATE_TEST_SUITE_P(Gdi, AreaScenes, testing::ValuesIn(kAreas),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FillArea, RefusesAnotherSurfaceOrABadHandle) {
    MemorySurface found(4, 3);
    MemorySurface other(3, 4);
    const Area area = FloodArea(found.dc(), {QPoint(0, 0)}, RGB(0, 0, 0), RGB(0, 0, 0));
    ASSERT_FALSE(area.isEmpty());
    SetPixel(other.dc(), 0, 0, RGB(1, 2, 3));
    EXPECT_FALSE(FillArea(other.dc(), area, RGB(255, 0, 0)));
    EXPECT_EQ(GetPixel(other.dc(), 0, 0), RGB(1, 2, 3)) << "a refused fill paints nothing";
    EXPECT_FALSE(FillArea(0, area, RGB(255, 0, 0)));
    EXPECT_TRUE(FloodArea(0, {QPoint(0, 0)}, RGB(0, 0, 0), RGB(255, 0, 0)).isEmpty());
}

// Breadth first over a copy of the picture: a different way to the same area.
QImage referenceFill(QImage image, QPoint start, QRgb area, QRgb paint) {
    std::vector<bool> seen(std::size_t(image.width()) * image.height());
    std::deque<QPoint> queue{start};
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        if (!image.rect().contains(p) || seen[p.y() * image.width() + p.x()] ||
            image.pixel(p) != area)
            continue;
        seen[p.y() * image.width() + p.x()] = true;
        image.setPixel(p, paint);
        queue.insert(queue.end(),
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    return image;
}

struct ScreenFill {
    const char* name;
    QRgb (*wall)(int x, int y); // 0x00RRGGBB: yellow walls on black
};

void PrintTo(const ScreenFill& fill, std::ostream* out) {
    *out << fill.name;
}

class FloodFillScreens : public testing::TestWithParam<ScreenFill> {};

TEST_P(FloodFillScreens, MatchesBreadthFirst) {
    const QImage scene = test::patternImage(1920, 1080, GetParam().wall);
    MemorySurface surface(scene);
    SetDCBrushColor(surface.dc(), RGB(255, 0, 0));
    ASSERT_TRUE(ExtFloodFill(surface.dc(), 0, 0, RGB(0, 0, 0), FLOODFILLSURFACE));
    const QImage expected = referenceFill(scene, {0, 0}, 0xFF000000u, 0xFFFF0000u);
    EXPECT_TRUE(SurfaceImage(surface.dc()) == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, FloodFillScreens,
    testing::Values(ScreenFill{"WholeScreen", [](int, int) { return QRgb(0); }},
                    // Walls every other row, each open at alternate ends: one long serpentine path.
                    ScreenFill{"Serpentine",
                               [](int x, int y) {
                                   const bool wall = y % 2 == 1 && x != ((y / 2) % 2 ? 0 : 1919);
                                   return wall ? QRgb(0xFFFF00) : QRgb(0);
                               }},
                    // A checkerboard of closed 7x7 boxes: many holes the fill must flow around.
                    ScreenFill{"Holes",
                               [](int x, int y) {
                                   const bool box =
                                       x % 10 >= 2 && x % 10 <= 8 && y % 10 >= 2 && y % 10 <= 8 &&
                                       (x % 10 == 2 || x % 10 == 8 || y % 10 == 2 || y % 10 == 8);
                                   return box ? QRgb(0xFFFF00) : QRgb(0);
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FloodFill, WindowContextMarksThePaintedArea) {
    test::FakeWindow window(QSize(20, 20));
    for (int x = 0; x < 20; ++x)
        window.m_image.setPixel(x, 10, 0xFFFFFF00u);
    const HDC dc = CreateWindowDC(&window);
    TakeDirtyRect(dc);
    ASSERT_TRUE(ExtFloodFill(dc, 3, 12, RGB(0, 0, 0), FLOODFILLSURFACE));
    EXPECT_EQ(TakeDirtyRect(dc), QRect(0, 11, 20, 9));
    EXPECT_FALSE(ExtFloodFill(dc, 3, 10, RGB(0, 0, 0), FLOODFILLSURFACE));
    EXPECT_TRUE(TakeDirtyRect(dc).isEmpty()) << "a refused fill writes nothing";
    ReleaseDC(dc);
}

} // namespace
} // namespace gdi
