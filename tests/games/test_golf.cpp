// Golf's rules: the deal and the stock, the moves onto the heap under closed and open
// kings, the win and the layout at the smallest table.

#include "dealbuilder.h"

#include "games/golf/golfrules.h"
#include "games/kit/moves.h"

#include <gtest/gtest.h>

namespace halvane::golf {
namespace {

using klondike::test::cardOf;
using klondike::test::standardOrder;

PileId T(int i) {
    return PileId::tableau(i);
}

Card up(const std::string& name) {
    Card card = cardOf(name);
    card.faceUp = true;
    return card;
}

TEST(GolfDeal, FiveRowsAcrossTheColumnsAndAStockTurnedOnceOntoTheHeap) {
    Table table = dealTable(standardOrder(), false);
    for (int column = 0; column < Columns; ++column) {
        const auto& cards = table.pile(T(column));
        ASSERT_EQ(cards.size(), 5u);
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(cards[std::size_t(row)].number, row * 7 + column + 1);
            EXPECT_TRUE(cards[std::size_t(row)].faceUp);
        }
    }
    ASSERT_EQ(table.pile(PileId::stock()).size(), 17u);
    EXPECT_TRUE(table.pile(Heap).empty());
    for (int click = 0; click < 17; ++click) {
        ASSERT_TRUE(stockClick(table));
        EXPECT_EQ(table.pile(Heap).back().number, 36 + click) << "the pack's next card";
        EXPECT_TRUE(table.pile(Heap).back().faceUp);
    }
    EXPECT_FALSE(stockClick(table)) << "no redeal";
    EXPECT_THROW(dealTable(std::vector<Card>(51, cardOf("AS")), false), std::invalid_argument);
}

TEST(GolfMoves, OneRankUpOrDownFromAColumnsTopOntoTheHeap) {
    struct Row {
        const char* name;
        const char* heapTop; // "" for an empty heap
        const char* card;    // the top card of column 4
        bool kingsOpen;
        bool legal;
        Move move = {T(3), 4, Heap};
    };
    const Row rows[] = {
        {"one below", "7C", "6H", false, true},
        {"one above, any suit", "7C", "8D", false, true},
        {"the same rank", "7C", "7S", false, false},
        {"anything on the empty heap", "", "KH", false, true},
        {"ace on a two", "2S", "AD", false, true},
        {"king on a queen", "QS", "KD", false, true},
        {"closed: queen on a king", "KS", "QD", false, false},
        {"closed: ace on a king", "KS", "AD", false, false},
        {"closed: king on an ace", "AS", "KD", false, false},
        {"open: queen on a king", "KS", "QD", true, true},
        {"open: ace on a king", "KS", "AD", true, true},
        {"open: king on an ace", "AS", "KD", true, true},
        {"open: still not two apart", "KS", "2D", true, false},
        {"a card under the top", "7C", "6H", false, false, {T(3), 3, Heap}},
        {"onto another column", "7C", "6H", false, false, {T(3), 4, T(1)}},
        {"the heap's card back", "7C", "6H", false, false, {Heap, 0, T(1)}},
    };
    const kit::RuleSet rules{canTake, canPlace};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealTable(standardOrder(), row.kingsOpen);
        if (*row.heapTop) {
            table.cards(Heap).push_back(up(row.heapTop));
        }
        table.cards(T(3)).back() = up(row.card);
        table.cards(T(3))[3] = up(row.card == std::string("6H") ? "8S" : "AC");
        EXPECT_EQ(kit::isLegal(table, rules, row.move), row.legal);
    }
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
}

TEST(GolfLayout, AFullDealFitsTheSmallestTableWithoutOverlaps) {
    const QSize area(960, 540);
    const Table table = dealTable(standardOrder(), false);
    const kit::Layout layout = tableLayout(area);
    std::vector<QRect> piles;
    for (PileId pile : table.pileIds()) {
        const QRect rect = layout.area(table, pile);
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(rect)) << pile.describe().toStdString();
        for (const QRect& other : piles) {
            EXPECT_FALSE(rect.intersects(other)) << pile.describe().toStdString();
        }
        piles.push_back(rect);
    }
}

} // namespace
} // namespace halvane::golf
