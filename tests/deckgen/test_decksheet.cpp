// The deck pictures the build drew, checked as the engine will use them: the cell grid,
// the black background that the engine's fill recolours, and cells that are all there
// and all different.

#include "sheetimage.h"
#include "tools/deckgen/cardshape.h"
#include "tools/deckgen/decksheet.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

using halvane::deckgen::CardShape;
using halvane::deckgen::DeckSheet;
using namespace deckgentest;

namespace {

constexpr int Columns = 13, Rows = 5;

bool isSymbolCell(int column, int row) {
    return row == 5 && column >= 3 && column <= 5;
}

std::string cellName(int column, int row) {
    return "cell (" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

class DeckSheetTest : public testing::TestWithParam<std::string> {
protected:
    const SheetImage& sheet() const { return builtSheet(GetParam()); }
};

TEST_P(DeckSheetTest, IsA24BitPictureOfTheWholeGrid) {
    EXPECT_EQ(sheet().width(), 936);
    EXPECT_EQ(sheet().height(), 485);
    EXPECT_EQ(sheet().bitCount(), 24);
    EXPECT_EQ(sheet().compression(), 0u);
}

TEST_P(DeckSheetTest, GapsBetweenCellsArePureBlack) {
    int wrong = 0;
    for (int y = 0; y < sheet().height(); ++y)
        for (int x = 0; x < sheet().width(); ++x)
            if ((x % 72 == 71 || y % 97 == 96) && !sheet().at(x, y).isBlack() && wrong++ < 3)
                ADD_FAILURE() << "gap pixel (" << x << ", " << y << ") is not black";
    EXPECT_EQ(wrong, 0);
}

// Outside the top left corner of the sheet's first card lie a few black pixels that
// touch only the sheet's border, no gap: nothing joins them to (71, 1).
bool isOuterCorner(int column, int row, int cx, int cy) {
    return column == 1 && row == 1 && cx < CardShape::CornerRadius &&
           cy < CardShape::CornerRadius && !CardShape::contains(cx, cy);
}

// The engine fills from (71, 1) over pure black: it must reach every corner and gap and
// the ground of the symbols, and never enter a card.
TEST_P(DeckSheetTest, BackgroundFillFromTheGapReachesExactlyTheOutsideOfTheCards) {
    ASSERT_TRUE(sheet().at(71, 1).isBlack());
    const std::vector<bool> reached = sheet().blackReachedFrom(71, 1);
    int wrong = 0;
    for (int y = 0; y < sheet().height(); ++y) {
        for (int x = 0; x < sheet().width(); ++x) {
            const int column = x / 72 + 1, row = y / 97 + 1;
            const int cx = x % 72, cy = y % 97;
            const bool inGap = cx == 71 || cy == 96;
            bool expected;
            if (inGap)
                expected = true;
            else if (isSymbolCell(column, row))
                expected = sheet().at(x, y).isBlack(); // all of a symbol's black is table
            else
                expected = !CardShape::contains(cx, cy) && !isOuterCorner(column, row, cx, cy);
            const bool got = reached[std::size_t(y) * sheet().width() + x];
            if (got != expected && wrong++ < 5)
                ADD_FAILURE() << cellName(column, row) << " pixel (" << cx << ", " << cy << ") is "
                              << (got ? "" : "not ") << "reached by the fill";
        }
    }
    EXPECT_EQ(wrong, 0);
}

// That corner stays pure black, so a fill started at (0, 0) as well recolours it.
TEST_P(DeckSheetTest, OuterCornerOfTheFirstCardIsReachedFromTheSheetsOrigin) {
    const std::vector<bool> reached = sheet().blackReachedFrom(0, 0);
    int count = 0;
    for (int y = 0; y < sheet().height(); ++y)
        for (int x = 0; x < sheet().width(); ++x)
            if (reached[std::size_t(y) * sheet().width() + x]) {
                ++count;
                EXPECT_TRUE(x < 72 && y < 97 && isOuterCorner(1, 1, x, y)) << x << "," << y;
            }
    EXPECT_GT(count, 0);
}

TEST_P(DeckSheetTest, NothingInsideACardIsPureBlack) {
    int wrong = 0;
    for (int row = 1; row <= Rows; ++row)
        for (int column = 1; column <= Columns; ++column) {
            if (isSymbolCell(column, row))
                continue;
            const std::vector<Rgb> cell = cellPixels(sheet(), column, row);
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 71; ++x)
                    if (CardShape::contains(x, y) && cell[y * 71 + x].isBlack() && wrong++ < 3)
                        ADD_FAILURE()
                            << cellName(column, row) << " has black at (" << x << ", " << y << ")";
        }
    EXPECT_EQ(wrong, 0);
}

// Checked without the card outline the other tests use, so a square outline would fail.
TEST_P(DeckSheetTest, CardsHaveRoundedCornersAndFillTheirCell) {
    for (int row = 1; row <= Rows; ++row)
        for (int column = 1; column <= Columns; ++column) {
            if (isSymbolCell(column, row))
                continue;
            const std::vector<Rgb> cell = cellPixels(sheet(), column, row);
            for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {70, 0}, {0, 95}, {70, 95}})
                EXPECT_TRUE(cell[y * 71 + x].isBlack())
                    << cellName(column, row) << " corner pixel (" << x << ", " << y << ")";
            for (auto [x, y] : {std::pair{35, 0}, {0, 48}, {70, 48}, {35, 95}})
                EXPECT_FALSE(cell[y * 71 + x].isBlack())
                    << cellName(column, row) << " edge pixel (" << x << ", " << y << ")";
        }
}

TEST_P(DeckSheetTest, EveryCellHasAPicture) {
    for (int row = 1; row <= Rows; ++row)
        for (int column = 1; column <= Columns; ++column) {
            const std::vector<Rgb> cell = cellPixels(sheet(), column, row);
            int drawn = 0;
            // Inset past the card's edge: a blank card would count nothing.
            for (int y = 3; y < 93; ++y)
                for (int x = 3; x < 68; ++x) {
                    const Rgb p = cell[y * 71 + x];
                    drawn += !p.isBlack() && !(p == Rgb{255, 255, 255});
                }
            EXPECT_GE(drawn, 100) << cellName(column, row);
        }
}

TEST_P(DeckSheetTest, NoTwoCellsAreAlike) {
    std::vector<std::vector<Rgb>> cells;
    for (int row = 1; row <= Rows; ++row)
        for (int column = 1; column <= Columns; ++column)
            cells.push_back(cellPixels(sheet(), column, row));
    for (std::size_t a = 0; a < cells.size(); ++a)
        for (std::size_t b = a + 1; b < cells.size(); ++b) {
            int differ = 0;
            for (std::size_t i = 0; i < cells[a].size(); ++i)
                differ += !(cells[a][i] == cells[b][i]);
            EXPECT_GE(differ, 40) << cellName(int(a % 13) + 1, int(a / 13) + 1) << " and "
                                  << cellName(int(b % 13) + 1, int(b / 13) + 1);
        }
}

// The user picks a back by its look; two backs must not pass for one another.
TEST_P(DeckSheetTest, BacksAreClearlyDifferent) {
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b) {
            const auto one = cellPixels(sheet(), DeckSheet::backColumn(a), 5);
            const auto two = cellPixels(sheet(), DeckSheet::backColumn(b), 5);
            int differ = 0, total = 0;
            for (int y = 6; y < 90; ++y)
                for (int x = 6; x < 65; ++x, ++total) {
                    const Rgb p = one[y * 71 + x], q = two[y * 71 + x];
                    differ += std::max({std::abs(p.r - q.r), std::abs(p.g - q.g),
                                        std::abs(p.b - q.b)}) > 60;
                }
            EXPECT_GT(differ * 10, total * 3) << "backs " << a << " and " << b;
        }
}

TEST_P(DeckSheetTest, SymbolsLeaveMostOfTheTableShowing) {
    for (int column = 3; column <= 5; ++column) {
        int black = 0;
        for (const Rgb& p : cellPixels(sheet(), column, 5))
            black += p.isBlack();
        EXPECT_GT(black, 71 * 96 / 2) << cellName(column, 5);
    }
}

// The larger pictures: the same layout, so the engine's fill finds the same black around
// the cards, scaled, and the cards are really drawn larger (not the 1x sheet enlarged).
class LargerSheetTest : public testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(LargerSheetTest, HasTheOneTimesBlackScaledAndFinerDrawing) {
    const auto& [style, scale] = GetParam();
    const SheetImage& small = builtSheet(style);
    const QImage big(QString::fromStdString(std::string(HALVANE_BUILD_DATA_DIR) + "/cards/" +
                                            style + "@" + std::to_string(scale) + "x.png"));
    ASSERT_EQ(big.size(), QSize(936 * scale, 485 * scale));
    int wrongBlack = 0, finer = 0;
    for (int y = 0; y < big.height(); ++y) {
        for (int x = 0; x < big.width(); ++x) {
            const QRgb pixel = big.pixel(x, y) & 0xffffff;
            const Rgb one = small.at(x / scale, y / scale);
            // Symbols lie straight on the black, which their finer drawing reshapes.
            const int cx = x / scale, cy = y / scale;
            const bool inSymbol =
                isSymbolCell(cx / 72 + 1, cy / 97 + 1) && cx % 72 < 71 && cy % 97 < 96;
            wrongBlack += !inSymbol && (pixel == 0) != one.isBlack();
            finer += pixel != qRgb(one.r, one.g, one.b) && x % scale + y % scale > 0 &&
                     pixel != (big.pixel(x - x % scale, y - y % scale) & 0xffffff);
        }
    }
    EXPECT_EQ(wrongBlack, 0);
    EXPECT_GT(finer, 1000) << "the larger sheet looks like the 1x sheet enlarged";
}

INSTANTIATE_TEST_SUITE_P(ShippedDecks, LargerSheetTest,
                         testing::Combine(testing::Values("Standard", "FourColour", "LargeIndex"),
                                          testing::Values(2, 3, 4)),
                         [](const auto& info) {
                             return std::get<0>(info.param) + "At" +
                                    std::to_string(std::get<1>(info.param)) + "x";
                         });

INSTANTIATE_TEST_SUITE_P(ShippedDecks, DeckSheetTest,
                         testing::Values("Standard", "FourColour", "LargeIndex"),
                         [](const auto& info) { return info.param; });

} // namespace
