#pragma once
// A card table for engine tests: deck sheets written as BMP files into a temporary
// install directory, a fixed small screen, memory contexts standing in for windows,
// and reference pictures drawn here with QPainter, independently of the drawing system.

#include "engine/cardgeometry.h"
#include "engine/class1.h"
#include "platform/gdi/gdi.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace dorvik::test {

constexpr int kW = card::Width; // a card
constexpr int kH = card::Height;

// A 936 x 485 sheet: every cell a pattern of its own (red says the cell, green and blue
// the place in it, never black), black gaps between cells, black three-pixel corners
// joined to the gaps (all but the sheet's top-left one, which touches no gap) and a
// black 3 x 3 pip in each cell's middle that touches nothing. `variant` tells sheets
// apart.
QImage makeSheet(int variant);

// The table's background: a pattern in which every position shows.
QImage tableBackground(QSize size);

// One picture placed on a reference table: `rows` rows of the sheet's cell at `cell`,
// drawn at `at`.
struct Placed {
    QPoint cell;
    QPoint at;
    int rows = kH;
};

// `background` with the pictures drawn over it in order, clipped at the edges.
QImage drawReference(const QImage& background, const QImage& sheet,
                     const std::vector<Placed>& pictures);

// Equal size and pixels; otherwise says where the first difference lies.
testing::AssertionResult SameImage(const QImage& actual, const QImage& expected);

// The `area` of `image` equals the top-left of `expected` of the same size.
testing::AssertionResult AreaShows(const QImage& image, QRect area, const QImage& expected);

// The face cell of a card as the pack lays it out.
QPoint faceCell(int suit, int value);

// One card dealt onto a fresh table.
struct Deal {
    int card;
    int x, y;
    bool faceDown = false;
};

class Testbed : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A memory context over `picture` (by default the table background at screen size),
    // freed at the end of the test.
    gdi::HDC newWindow(const QImage& picture);
    gdi::HDC newWindow();

    // Surfaces in table pixels. At a table scale s every table pixel must be a uniform
    // s x s block of device pixels; a block that is not fails the test.
    static QImage imageOf(gdi::HDC hdc) { return tablePixels(gdi::SurfaceImage(hdc)); }
    static QImage tablePixels(const QImage& device);
    QImage window() const { return imageOf(m_window); }
    static QImage tableCopy();
    static QImage saveUnder();

    // Writes `image` as cards/<name> in the install directory.
    void writeSheet(const QString& name, const QImage& image);
    // Writes raw bytes as cards/<name>.
    void writeFile(const QString& name, const QByteArray& bytes);

    // Runs the rest of the test at table scale `scale`: m_window becomes a new window at
    // that scale (the engine's surfaces follow at the next initialize()).
    void useScale(int scale);

    // InitializeDeck on the test window with the standard sheet; fails the test if the
    // surfaces are missing.
    void initialize();

    // Deals `deals` in order (face-down ones turned first) on the test window.
    void deal(const std::vector<Deal>& deals);

    // The window and the table copy that dealing `deals` afresh gives: a new deck on a
    // new window, the cards dealt in order. The test's state is gone afterwards.
    struct Table {
        QImage window;
        QImage copy;
    };
    Table freshTable(const std::vector<Deal>& deals, int stackOffset = 16);

    static constexpr QSize kScreen{640, 480};

    Class1 m_engine;
    QTemporaryDir m_dir;
    QImage m_sheet; // Standard.bmp
    QImage m_other; // Other.bmp
    gdi::HDC m_window = 0;

private:
    std::vector<std::pair<gdi::HDC, gdi::HGDIOBJ>> m_windows;
    int m_liveDCs = 0;
    int m_liveBitmaps = 0;
};

} // namespace dorvik::test
