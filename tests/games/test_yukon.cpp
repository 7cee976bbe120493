// Yukon: the deal, the moves, and the table at the smallest window.

#include "dealbuilder.h"
#include "pilebuilder.h"

#include "games/kit/dealnumber.h"
#include "games/kit/moves.h"
#include "games/yukon/yukonrules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvane::yukon {
namespace {

using klondike::test::standardOrder;

PileId T(int i) {
    return PileId::tableau(i);
}
PileId F(int i) {
    return PileId::foundation(i);
}

TEST(YukonDeal, FaceDownTriangleThenFiveFaceUpOnColumnsTwoToSeven) {
    const Table table = dealTable(standardOrder());
    // Position in the pack of each card: the triangle's rows first (row r covers columns
    // r..6), then four rows of six over columns 2 to 7.
    std::vector<std::vector<int>> expected(Columns);
    int position = 0;
    for (int row = 0; row < 7; ++row)
        for (int column = row; column < 7; ++column)
            expected[std::size_t(column)].push_back(++position);
    for (int row = 0; row < 4; ++row)
        for (int column = 1; column < 7; ++column)
            expected[std::size_t(column)].push_back(++position);
    ASSERT_EQ(position, 52);
    for (int column = 0; column < Columns; ++column) {
        SCOPED_TRACE("column " + std::to_string(column + 1));
        const auto& cards = table.pile(T(column));
        ASSERT_EQ(cards.size(), column == 0 ? 1u : std::size_t(column + 5));
        for (std::size_t i = 0; i < cards.size(); ++i) {
            EXPECT_EQ(cards[i].number, expected[std::size_t(column)][i]);
            EXPECT_EQ(cards[i].faceUp, int(i) >= column) << "card " << i;
        }
    }
    for (int i = 0; i < Foundations; ++i)
        EXPECT_TRUE(table.pile(F(i)).empty());
    std::vector<Card> broken = standardOrder();
    broken[0] = broken[1];
    EXPECT_THROW(dealTable(broken), std::invalid_argument);
}

TEST(YukonMoves, AnyFaceUpCardCarriesWhatLiesOnIt) {
    const kit::RuleSet rules{yukon::canTake, yukon::canPlace};
    struct Row {
        const char* name;
        Move move;
        bool legal;
    };
    const Table table =
        test::laidOut(dealTable(standardOrder()), {{T(0), {"-3C", "-JD", "7D", "6S", "9H"}},
                                                   {T(1), {"8C", "7H"}},
                                                   {T(2), {"4C", "7C"}},
                                                   {T(4), {"KH", "5C", "AC"}},
                                                   {T(5), {"-10C", "2D"}},
                                                   {T(6), {"AS", "3S"}},
                                                   {F(0), {"AH", "2H"}},
                                                   {F(1), {"AD"}}});
    const Row rows[] = {
        {"black six from a column's middle, a red nine on it, onto a red seven",
         {T(0), 3, T(1)},
         true},
        {"the black six onto a black seven", {T(0), 3, T(2)}, false},
        {"red nine onto a black seven", {T(0), 4, T(2)}, false},
        {"king with two cards on it onto an empty column", {T(4), 0, T(3)}, true},
        {"red seven onto an empty column", {T(1), 1, T(3)}, false},
        {"face-down card", {T(0), 1, T(1)}, false},
        {"onto its own column", {T(0), 3, T(0)}, false},
        {"ace onto an empty foundation", {T(4), 2, F(2)}, true},
        {"two of diamonds onto its ace", {T(5), 1, F(1)}, true},
        {"two of diamonds onto the two of hearts", {T(5), 1, F(0)}, false},
        {"ace with a three on it onto a foundation", {T(6), 0, F(2)}, false},
        {"foundation top back onto a black three", {F(0), 1, T(6)}, true},
        {"card under a foundation's top", {F(0), 0, T(6)}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kit::isLegal(table, rules, row.move), row.legal);
    }
}

TEST(YukonLayout, EveryCardOnTheSmallestTable) {
    const QSize area(960, 540);
    const kit::Layout layout = tableLayout(area);
    Table dealt = dealTable(kit::deals::order(1, PackSize));
    // Column 7 longer than it can get: six face down, its five dealt face-up cards and
    // thirteen more (copies of a card from column 2: only the places matter here). With
    // the foundations at the side it fits without closing up.
    Table tall = dealt;
    auto& column = tall.cards(PileId::tableau(6));
    for (int i = 0; i < 13; ++i) {
        Card card = tall.pile(PileId::tableau(1))[0];
        card.faceUp = true;
        column.push_back(card);
    }
    ASSERT_EQ(column.size(), 24u);
    test::expectFits(layout, dealt, area);
    test::expectFits(layout, tall, area);
}

} // namespace
} // namespace halvane::yukon
