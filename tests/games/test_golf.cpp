// Golf's rules: the deal, the moves onto the heap under closed and open kings, the stock,
// the win and the layout at the smallest table.

#include "dealbuilder.h"

#include "games/golf/golfrules.h"
#include "games/kit/moves.h"

#include "engine/cardgeometry.h"

#include <gtest/gtest.h>

namespace halvane::golf {
namespace {

using klondike::test::cardOf;
using klondike::test::standardOrder;

PileId T(int i) {
    return PileId::tableau(i);
}

const kit::RuleSet Rules{canTake, canPlace};

Card up(const std::string& name) {
    Card card = cardOf(name);
    card.faceUp = true;
    return card;
}

TEST(GolfDeal, FiveRowsAcrossTheColumnsAndTheRestInTheStock) {
    const std::vector<Card> order = standardOrder();
    const Table table = dealTable(order, false);
    for (int column = 0; column < Columns; ++column) {
        const auto& cards = table.pile(T(column));
        ASSERT_EQ(cards.size(), 5u);
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(cards[std::size_t(row)].number, row * 7 + column + 1);
            EXPECT_TRUE(cards[std::size_t(row)].faceUp);
        }
    }
    const auto& stock = table.pile(PileId::stock());
    ASSERT_EQ(stock.size(), 17u);
    EXPECT_EQ(stock.back().number, 36) << "the next card of the pack on top";
    EXPECT_EQ(stock.front().number, 52);
    EXPECT_FALSE(stock.back().faceUp);
    EXPECT_TRUE(table.pile(Heap).empty());
    EXPECT_THROW(dealTable(std::vector<Card>(order.begin(), order.end() - 1), false),
                 std::invalid_argument);
}

TEST(GolfMoves, OneRankUpOrDownOntoTheHeap) {
    struct Row {
        const char* name;
        const char* heapTop; // "" for an empty heap
        const char* card;
        bool kingsOpen;
        bool legal;
    };
    const Row rows[] = {
        {"one below", "7C", "6H", false, true},
        {"one above, any suit", "7C", "8D", false, true},
        {"the same rank", "7C", "7S", false, false},
        {"two apart", "7C", "9C", false, false},
        {"anything on the empty heap", "", "KH", false, true},
        {"two on an ace", "AS", "2D", false, true},
        {"ace on a two", "2S", "AD", false, true},
        {"king on a queen", "QS", "KD", false, true},
        {"closed: queen on a king", "KS", "QD", false, false},
        {"closed: ace on a king", "KS", "AD", false, false},
        {"closed: king on an ace", "AS", "KD", false, false},
        {"open: queen on a king", "KS", "QD", true, true},
        {"open: ace on a king", "KS", "AD", true, true},
        {"open: king on an ace", "AS", "KD", true, true},
        {"open: still not two apart", "KS", "2D", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealTable(standardOrder(), row.kingsOpen);
        if (*row.heapTop) {
            table.cards(Heap).push_back(up(row.heapTop));
        }
        table.cards(T(3)).back() = up(row.card);
        EXPECT_EQ(kit::isLegal(table, Rules, {T(3), 4, Heap}), row.legal);
    }
}

TEST(GolfMoves, OnlyAColumnsTopCardMovesAndOnlyToTheHeap) {
    struct Row {
        const char* name;
        Move move;
    };
    const Row rows[] = {
        {"a card under the top", {T(0), 3, Heap}},
        {"onto another column", {T(0), 4, T(1)}},
        {"the heap's top card back", {Heap, 0, T(0)}},
        {"the stock's top card", {PileId::stock(), 16, Heap}},
    };
    Table table = dealTable(standardOrder(), true);
    table.cards(Heap).push_back(up("2S")); // every card fits on it but an ace or a three
    for (int i = 0; i < Columns; ++i) {
        table.cards(T(i)).back() = up(i == 0 ? "AD" : "3D");
        table.cards(T(i))[3] = up("AH");
    }
    ASSERT_TRUE(kit::isLegal(table, Rules, {T(0), 4, Heap}));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(kit::isLegal(table, Rules, row.move));
    }
}

TEST(GolfStock, TurnsOneCardOntoTheHeapOnceThrough) {
    Table table = dealTable(standardOrder(), false);
    for (int click = 0; click < 17; ++click) {
        ASSERT_TRUE(stockClick(table));
        EXPECT_EQ(table.pile(Heap).back().number, 36 + click);
        EXPECT_TRUE(table.pile(Heap).back().faceUp);
    }
    EXPECT_FALSE(stockClick(table)) << "no redeal";
    EXPECT_EQ(table.pile(Heap).size(), 17u);
}

TEST(GolfWin, AllColumnsEmptyWhateverTheStockHolds) {
    Table table = dealTable(standardOrder(), false);
    for (int i = 0; i < Columns; ++i) {
        while (table.pile(T(i)).size() > (i == 6 ? 1u : 0u)) {
            table.move(T(i), int(table.pile(T(i)).size()) - 1, Heap);
        }
    }
    EXPECT_FALSE(isWon(table)) << "one card left";
    table.move(T(6), 0, Heap);
    EXPECT_TRUE(isWon(table));
    EXPECT_EQ(table.pile(PileId::stock()).size(), 17u);
}

TEST(GolfLayout, AFullDealFitsTheSmallestTableWithoutOverlaps) {
    const QSize area(960, 540);
    const QRect tableRect(QPoint(0, 0), area);
    const Table table = dealTable(standardOrder(), false);
    const kit::Layout layout = tableLayout(area);
    std::vector<QRect> piles;
    for (PileId pile : table.pileIds()) {
        const QRect rect = layout.area(table, pile);
        EXPECT_TRUE(tableRect.contains(rect)) << pile.describe().toStdString();
        for (const QRect& other : piles) {
            EXPECT_FALSE(rect.intersects(other)) << pile.describe().toStdString();
        }
        piles.push_back(rect);
    }
    // Every rank of a column shows.
    EXPECT_GE(layout.faceUpStep(table, T(0)), dorvik::card::Strip);
}

} // namespace
} // namespace halvane::golf
