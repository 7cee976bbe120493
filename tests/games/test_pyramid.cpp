// Pyramid's rules: the deal, covered cards, the pairs as named moves, the pair leaving the
// table, the stock's passes, the win and the layout at the smallest table.

#include "dealbuilder.h"

#include "games/kit/moves.h"
#include "games/pyramid/pyramidrules.h"

#include "engine/cardgeometry.h"

#include <gtest/gtest.h>

namespace halvane::pyramid {
namespace {

using klondike::test::cardOf;
using klondike::test::standardOrder;

const kit::RuleSet Rules{canTake, canPlace};

// The standard order deals card i + 1 to pyramid place i: the bottom row is
// 9D 10D JD QD KD AH 2H, the row above it 3D 4D 5D 6D 7D 8D; the stock's top card is 3H.
Table dealt(int redealLimit = 2) {
    return dealTable(standardOrder(), redealLimit);
}

TEST(PyramidDeal, RowByRowFromTheApexAndTheRestInTheStock) {
    const std::vector<Card> order = standardOrder();
    const Table table = dealTable(order, 2);
    int next = 0;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column <= row; ++column, ++next) {
            const auto& cards = table.pile(place(row, column));
            ASSERT_EQ(cards.size(), 1u);
            EXPECT_EQ(cards[0].number, order[std::size_t(next)].number);
            EXPECT_TRUE(cards[0].faceUp);
            EXPECT_EQ(isCovered(table, place(row, column), 0), row < Rows - 1);
        }
    }
    const auto& stock = table.pile(PileId::stock());
    ASSERT_EQ(stock.size(), 24u);
    EXPECT_EQ(stock.back().number, order[28].number);
    EXPECT_FALSE(stock.back().faceUp);
    EXPECT_THROW(dealTable(order, -2), std::invalid_argument);
}

TEST(PyramidCover, ACardIsFreeOnlyWhenBothCardsBelowHaveLeft) {
    Table table = dealt();
    table.move(place(6, 0), 0, Discard);
    EXPECT_TRUE(isCovered(table, place(5, 0), 0)) << "still under 10D";
    table.move(place(6, 1), 0, Discard);
    EXPECT_FALSE(isCovered(table, place(5, 0), 0));
    EXPECT_TRUE(isCovered(table, place(5, 1), 0)) << "still under JD";
}

TEST(PyramidMoves, FreeCardsThatAddUpToThirteen) {
    struct Row {
        const char* name;
        int draws; // stock clicks first
        Move move;
        bool legal;
    };
    const PileId waste = PileId::waste();
    const Row rows[] = {
        {"jack onto two", 0, {place(6, 2), 0, place(6, 6)}, true},
        {"two onto jack", 0, {place(6, 6), 0, place(6, 2)}, true},
        {"queen and ace", 0, {place(6, 3), 0, place(6, 5)}, true},
        {"jack and ace make twelve", 0, {place(6, 2), 0, place(6, 5)}, false},
        {"a king alone to the discard pile", 0, {place(6, 4), 0, Discard}, true},
        {"a queen alone", 0, {place(6, 3), 0, Discard}, false},
        {"a covered card taken", 0, {place(5, 0), 0, place(6, 1)}, false},
        {"onto a covered card", 0, {place(6, 1), 0, place(5, 0)}, false},
        {"waste three onto a free ten", 1, {waste, 0, place(6, 1)}, true},
        {"a free ten onto the waste's three", 1, {place(6, 1), 0, waste}, true},
        // 3H under 4H: the ranks fit the free ten, the place does not.
        {"a card under the waste's top", 2, {waste, 0, place(6, 1)}, false},
        {"onto the stock", 1, {place(6, 1), 0, PileId::stock()}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealt();
        for (int i = 0; i < row.draws; ++i) {
            stockClick(table);
        }
        EXPECT_EQ(kit::isLegal(table, Rules, row.move), row.legal);
    }
    Table emptied = dealt();
    emptied.move(place(6, 6), 0, Discard);
    EXPECT_FALSE(kit::isLegal(emptied, Rules, {place(6, 2), 0, place(6, 6)}))
        << "onto an empty place";
}

TEST(PyramidMoves, APairLeavesTogetherAndAKingAlone) {
    struct Row {
        const char* name;
        int draws;
        Move move;
        std::vector<PileId> emptied;
    };
    const PileId waste = PileId::waste();
    const Row rows[] = {
        {"two pyramid cards", 0, {place(6, 2), 0, place(6, 6)}, {place(6, 2), place(6, 6)}},
        {"the waste's top onto the pyramid", 1, {waste, 0, place(6, 1)}, {waste, place(6, 1)}},
        {"a pyramid card onto the waste", 1, {place(6, 1), 0, waste}, {waste, place(6, 1)}},
        {"a king", 0, {place(6, 4), 0, Discard}, {place(6, 4)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealt();
        for (int i = 0; i < row.draws; ++i) {
            stockClick(table);
        }
        const Table before = table;
        applyMove(table, row.move);
        for (PileId pile : row.emptied) {
            EXPECT_TRUE(table.pile(pile).empty()) << pile.describe().toStdString();
        }
        EXPECT_EQ(table.pile(Discard).size(), row.emptied.size());
        EXPECT_EQ(table.cardCount(), before.cardCount());
        for (const Card& card : table.pile(Discard)) {
            EXPECT_TRUE(card.faceUp);
        }
    }
}

TEST(PyramidStock, PassesThroughTheStockAsTheSettingAllows) {
    struct Row {
        const char* name;
        int limit;
        int passes; // passes through the stock before a click does nothing (0: more than 5)
    };
    const Row rows[] = {{"never", 0, 1}, {"twice", 2, 3}, {"unlimited", Unlimited, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealt(row.limit);
        int passes = 0;
        while (passes < 6) {
            for (int i = 0; i < 24; ++i) {
                ASSERT_TRUE(stockClick(table));
            }
            ++passes;
            EXPECT_EQ(table.pile(PileId::waste()).back().number, standardOrder()[51].number);
            if (!stockClick(table)) {
                break;
            }
            EXPECT_EQ(table.pile(PileId::stock()).size(), 24u) << "the waste went back";
        }
        EXPECT_EQ(passes, row.passes == 0 ? 6 : row.passes);
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
    for (PileId pile : table.pileIds()) {
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(layout.area(table, pile)))
            << pile.describe().toStdString();
    }
    const auto rect = [&](PileId pile) { return layout.area(table, pile); };
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column <= row; ++column) {
            const QRect card = rect(place(row, column));
            for (PileId side : {PileId::stock(), PileId::waste(), Discard}) {
                EXPECT_FALSE(card.intersects(rect(side))) << side.describe().toStdString();
            }
            if (column > 0) {
                EXPECT_FALSE(card.intersects(rect(place(row, column - 1))));
            }
            if (row > 0) {
                // Half over the row above: a covered card's top half shows.
                for (int above = 0; above < row; ++above) {
                    const bool coveredByThis = above == column - 1 || above == column;
                    EXPECT_EQ(card.intersects(rect(place(row - 1, above))), coveredByThis);
                }
                EXPECT_EQ(card.top() - rect(place(row - 1, 0)).top(), dorvik::card::Height / 2);
                // Where it overlaps, the lower row is hit: it is drawn later.
                EXPECT_EQ(layout.pileAt(table, card.topLeft() + QPoint(2, 2)), place(row, column));
            }
        }
    }
}

} // namespace
} // namespace halvane::pyramid
