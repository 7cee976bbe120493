// Pyramid's rules: the deal and covered cards, the pairs as named moves and what leaves
// the table, the stock's passes, the win and the layout at the smallest table.

#include "dealbuilder.h"

#include "games/kit/moves.h"
#include "games/pyramid/pyramidrules.h"

#include <gtest/gtest.h>

namespace halvane::pyramid {
namespace {

using klondike::test::standardOrder;

// The standard order deals card i + 1 to pyramid place i: the bottom row is
// 9D 10D JD QD KD AH 2H, the row above it 3D 4D 5D 6D 7D 8D; the stock turns 3H, 4H, ...
Table dealt(int redealLimit = 2, int draws = 0) {
    Table table = dealTable(standardOrder(), redealLimit);
    for (int i = 0; i < draws; ++i) {
        stockClick(table);
    }
    return table;
}

TEST(PyramidDeal, RowByRowFromTheApexEachCoveredUntilBothCardsBelowLeave) {
    Table table = dealt();
    for (int row = 0, next = 1; row < Rows; ++row) {
        for (int column = 0; column <= row; ++column, ++next) {
            const auto& cards = table.pile(place(row, column));
            ASSERT_EQ(cards.size(), 1u);
            EXPECT_EQ(cards[0].number, next);
            EXPECT_TRUE(cards[0].faceUp);
            EXPECT_EQ(isCovered(table, place(row, column), 0), row < Rows - 1);
        }
    }
    EXPECT_EQ(table.pile(PileId::stock()).size(), 24u);
    EXPECT_EQ(table.pile(PileId::stock()).back().number, 29);
    table.move(place(6, 0), 0, Discard);
    EXPECT_TRUE(isCovered(table, place(5, 0), 0)) << "still under 10D";
    table.move(place(6, 1), 0, Discard);
    EXPECT_FALSE(isCovered(table, place(5, 0), 0));
    EXPECT_THROW(dealTable(standardOrder(), -2), std::invalid_argument);
}

TEST(PyramidMoves, FreeCardsThatAddUpToThirteenLeaveTogether) {
    struct Row {
        const char* name;
        int draws; // stock clicks first
        Move move;
        std::vector<PileId> leaving; // empty: not legal
    };
    const PileId waste = PileId::waste();
    const Row rows[] = {
        {"jack onto two", 0, {place(6, 2), 0, place(6, 6)}, {place(6, 2), place(6, 6)}},
        {"queen and ace", 0, {place(6, 3), 0, place(6, 5)}, {place(6, 3), place(6, 5)}},
        {"jack and ace make twelve", 0, {place(6, 2), 0, place(6, 5)}, {}},
        {"a king alone", 0, {place(6, 4), 0, Discard}, {place(6, 4)}},
        {"a queen alone", 0, {place(6, 3), 0, Discard}, {}},
        {"a covered card taken", 0, {place(5, 0), 0, place(6, 1)}, {}},
        {"onto a covered card", 0, {place(6, 1), 0, place(5, 0)}, {}},
        {"waste three onto a ten", 1, {waste, 0, place(6, 1)}, {waste, place(6, 1)}},
        {"a ten onto the waste's three", 1, {place(6, 1), 0, waste}, {waste, place(6, 1)}},
        {"the three under the waste's top", 2, {waste, 0, place(6, 1)}, {}},
        {"onto the stock", 1, {place(6, 1), 0, PileId::stock()}, {}},
    };
    const kit::RuleSet rules{canTake, canPlace};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealt(2, row.draws);
        ASSERT_EQ(kit::isLegal(table, rules, row.move), !row.leaving.empty());
        if (row.leaving.empty()) {
            continue;
        }
        applyMove(table, row.move);
        for (PileId pile : row.leaving) {
            EXPECT_TRUE(table.pile(pile).empty()) << pile.describe().toStdString();
        }
        EXPECT_EQ(table.pile(Discard).size(), row.leaving.size());
        EXPECT_EQ(table.cardCount(), PackSize);
    }
}

TEST(PyramidStock, PassesThroughTheStockAsTheSettingAllows) {
    const std::pair<int, int> rows[] = {{0, 1}, {2, 3}, {Unlimited, 6}}; // limit, passes seen
    for (const auto& [limit, expected] : rows) {
        SCOPED_TRACE(limit);
        Table table = dealt(limit);
        int passes = 0;
        do {
            for (int i = 0; i < 24; ++i) {
                ASSERT_TRUE(stockClick(table));
            }
            ++passes;
            EXPECT_EQ(table.pile(PileId::waste()).back().number, 52) << "the pack's last card";
        } while (stockClick(table) && passes < 6);
        EXPECT_EQ(passes, expected);
    }
}

TEST(PyramidWin, TheClearedPyramidWinsWhateverTheStockHolds) {
    Table table = dealt();
    for (int i = 0; i < Places - 1; ++i) {
        table.move(PileId::tableau(i), 0, Discard);
    }
    EXPECT_FALSE(isWon(table));
    table.move(PileId::tableau(Places - 1), 0, Discard);
    EXPECT_TRUE(isWon(table));
}

TEST(PyramidLayout, EachRowHalfOverTheRowAboveInsideTheSmallestTable) {
    const QSize area(960, 540);
    const Table table = dealt();
    const kit::Layout layout = tableLayout(area);
    const auto rect = [&](PileId pile) { return layout.area(table, pile); };
    for (PileId pile : table.pileIds()) {
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(rect(pile)));
    }
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column <= row; ++column) {
            const QRect card = rect(place(row, column));
            SCOPED_TRACE(place(row, column).describe().toStdString());
            for (PileId side : {PileId::stock(), PileId::waste(), Discard}) {
                EXPECT_FALSE(card.intersects(rect(side)));
            }
            // It lies over the two cards above it and under the two below, on no other.
            for (int r = 0; r < Rows; ++r) {
                for (int c = 0; c <= r; ++c) {
                    const bool neighbour = (r == row - 1 && (c == column - 1 || c == column)) ||
                                           (r == row + 1 && (c == column || c == column + 1));
                    if (r != row || c != column) {
                        EXPECT_EQ(card.intersects(rect(place(r, c))), neighbour) << r << c;
                    }
                }
            }
            // Where it lies over the row above, a press hits it: it is drawn later.
            EXPECT_EQ(layout.pileAt(table, card.topLeft() + QPoint(2, 2)), place(row, column));
        }
    }
    EXPECT_EQ(rect(place(1, 0)).top() - rect(place(0, 0)).top(), 48) << "half a card";
}

} // namespace
} // namespace halvane::pyramid
