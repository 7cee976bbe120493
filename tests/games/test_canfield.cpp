// Canfield: the deal and its base rank, the moves, the reserve filling empty columns, the
// stock, autoplay from the base and the table at the smallest window.

#include "dealbuilder.h"
#include "pilebuilder.h"

#include "games/canfield/canfieldrules.h"
#include "games/kit/dealnumber.h"
#include "games/kit/moves.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace halvane::canfield {
namespace {

using namespace std::string_literals;

using klondike::test::cardOf;
using klondike::test::standardOrder;

const PileId R = PileId::reserve(0);
const PileId W = PileId::waste();
const PileId S = PileId::stock();
PileId T(int i) {
    return PileId::tableau(i);
}
PileId F(int i) {
    return PileId::foundation(i);
}

// A Canfield table of base `base` holding only the named cards (the rules look at faces).
Table position(int base, const test::Piles& piles, bool partialMoves = false) {
    Table table = test::laidOut(dealTable(standardOrder(), 3, Unlimited, partialMoves), piles);
    table.options[Base] = base;
    return table;
}

TEST(CanfieldDeal, ReserveFoundationColumnsThenStock) {
    const std::vector<Card> order = kit::deals::order(5, PackSize);
    const Table table = dealTable(order);
    const auto numbers = [&](PileId id) {
        std::vector<int> n;
        for (const Card& card : table.pile(id))
            n.push_back(card.number);
        return n;
    };
    const auto slice = [&](int from, int to) { // order[from..to), bottom first
        std::vector<int> n;
        for (int i = from; i < to; ++i)
            n.push_back(order[std::size_t(i)].number);
        return n;
    };
    EXPECT_EQ(numbers(R), slice(0, 13));
    EXPECT_EQ(numbers(F(0)), slice(13, 14));
    for (int i = 0; i < Columns; ++i)
        EXPECT_EQ(numbers(T(i)), slice(14 + i, 15 + i)) << "column " << i + 1;
    std::vector<int> stock = slice(18, 52);
    std::reverse(stock.begin(), stock.end()); // order[18] on top
    EXPECT_EQ(numbers(S), stock);
    EXPECT_TRUE(table.pile(W).empty());
    for (const kit::Pile& pile : table.piles())
        for (std::size_t i = 0; i < pile.cards.size(); ++i) {
            const bool up = pile.id.role != Role::Stock &&
                            (pile.id.role != Role::Reserve || i + 1 == pile.cards.size());
            EXPECT_EQ(pile.cards[i].faceUp, up) << pile.id.describe().toStdString() << " " << i;
        }
    EXPECT_EQ(table.options[Base], (order[13].number - 1) % 13 + 1);
    EXPECT_EQ(table.options[DrawCount], 3);
    EXPECT_THROW(dealTable(order, 2), std::invalid_argument);
    EXPECT_THROW(dealTable(std::vector<Card>(order.begin(), order.end() - 1)),
                 std::invalid_argument);
}

TEST(CanfieldMoves, FromTheBaseRoundTheCornerAndWholeColumns) {
    struct Row {
        const char* name;
        Move move;
        bool legal;
        const char* reserveTop = "KS";   // "": the reserve is used up
        const char* fourthColumn = "JS"; // "": empty
        bool partialMoves = false;
    };
    // Base eight. Foundations 8D 9D, 8H..KH and 8S; columns JC 10D 9S / 10H / QD / the row's;
    // the reserve: 2C face down, the row's card on it; the waste: 2S 8C.
    const auto table = [](const Row& row) {
        const std::string top = row.reserveTop, fourth = row.fourthColumn;
        return position(8,
                        {{F(0), {"8D", "9D"}},
                         {F(1), {"8H", "9H", "10H", "JH", "QH", "KH"}},
                         {F(2), {"8S"}},
                         {T(0), {"JC", "10D", "9S"}},
                         {T(1), {"10H"}},
                         {T(2), {"QD"}},
                         {T(3), fourth.empty() ? std::vector<std::string>{} : std::vector{fourth}},
                         {R, top.empty() ? std::vector<std::string>{} : std::vector{"-2C"s, top}},
                         {W, {"2S", "8C"}}},
                        row.partialMoves);
    };
    const Row rows[] = {
        {"whole column onto a red queen", {T(0), 0, T(2)}, true},
        {"whole column whose jack does not fit a red ten", {T(0), 0, T(1)}, false},
        {"top card alone onto a red ten", {T(0), 2, T(1)}, false},
        {"top card alone, partial moves allowed", {T(0), 2, T(1)}, true, "KS", "JS", true},
        {"top card alone onto its foundation", {T(0), 2, F(2)}, true},
        {"part of a column onto a black jack", {T(0), 1, T(3)}, false},
        {"part of a column, partial moves allowed", {T(0), 1, T(3)}, true, "KS", "JS", true},
        {"two cards onto a foundation", {T(0), 1, F(0)}, false, "KS", "JS", true},
        {"black king from the reserve onto a red ace", {R, 1, T(3)}, true, "KS", "AD"},
        {"red king onto a red ace", {R, 1, T(3)}, false, "KD", "AD"},
        {"ace onto its king on a foundation", {R, 1, F(1)}, true, "AH"},
        {"base rank onto an empty foundation", {W, 1, F(3)}, true},
        {"nine onto an empty foundation", {R, 1, F(3)}, false, "9C"},
        {"base rank onto another suit's foundation", {W, 1, F(0)}, false},
        {"face-down reserve card", {R, 0, T(1)}, false},
        {"empty column while the reserve holds cards", {R, 1, T(3)}, false, "KS", ""},
        {"waste top onto an empty column, reserve used up", {W, 1, T(3)}, true, "", ""},
        {"waste card under its top", {W, 0, T(3)}, false, "", ""},
        {"top card alone onto an empty column", {T(0), 2, T(3)}, false, "", ""},
        {"whole column onto an empty column", {T(0), 0, T(3)}, true, "", ""},
        {"foundation card back onto a column", {F(1), 5, T(3)}, false, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kit::isLegal(table(row), kit::RuleSet{canTake, canPlace}, row.move), row.legal);
    }
}

TEST(CanfieldReserve, FillsEveryEmptyColumnAtOnce) {
    struct Row {
        const char* name;
        std::vector<std::string> reserve;
        int emptyColumns;
        std::vector<std::string> filled; // the cards now in the empty columns, in order
        std::size_t left;
    };
    const Row rows[] = {
        {"one empty column", {"-2C", "-3C", "KS"}, 1, {"KS"}, 2},
        {"two at once: the second gets a card not yet turned",
         {"-2C", "-3C", "KS"},
         2,
         {"KS", "3C"},
         1},
        {"no empty column", {"-2C", "KS"}, 0, {}, 2},
        {"reserve used up: the column stays empty", {}, 1, {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::Piles piles = {{R, row.reserve}};
        for (int i = row.emptyColumns; i < Columns; ++i)
            piles.push_back({T(i), {"QH"}});
        Table table = position(8, piles);
        EXPECT_EQ(fillFromReserve(table), !row.filled.empty());
        for (std::size_t i = 0; i < row.filled.size(); ++i) {
            ASSERT_EQ(table.pile(T(int(i))).size(), 1u);
            EXPECT_EQ(table.pile(T(int(i)))[0].number, cardOf(row.filled[i]).number);
            EXPECT_TRUE(table.pile(T(int(i)))[0].faceUp);
        }
        EXPECT_EQ(table.pile(R).size(), row.left);
    }
}

TEST(CanfieldStock, DrawsThreeAndRedealsAsTheLimitAllows) {
    Table table = dealTable(kit::deals::order(3, PackSize), 3, 1);
    for (int draw = 0; draw < 11; ++draw)
        ASSERT_TRUE(stockClick(table));
    EXPECT_EQ(table.pile(W).size(), 33u);
    ASSERT_TRUE(stockClick(table)) << "the last card of 34";
    EXPECT_EQ(table.fanned(W), 1);
    EXPECT_TRUE(table.pile(S).empty());
    ASSERT_TRUE(stockClick(table)) << "the one redeal";
    EXPECT_EQ(table.pile(S).size(), 34u);
    while (!table.pile(S).empty())
        stockClick(table);
    EXPECT_FALSE(stockClick(table)) << "no redeal left";

    Table one = dealTable(kit::deals::order(3, PackSize), 1);
    stockClick(one);
    EXPECT_EQ(one.pile(W).size(), 1u);
}

TEST(CanfieldAutoplay, CountsRanksFromTheBase) {
    struct Row {
        const char* name;
        test::Piles piles;
        std::optional<Move> move;
    };
    const Row rows[] = {
        {"a base card from the waste", {{W, {"8C"}}}, Move{W, 0, F(0)}},
        {"the next rank after it", {{F(0), {"8C"}}, {T(0), {"9C"}}}, Move{T(0), 0, F(0)}},
        {"an ace is no base card", {{T(0), {"AC"}}}, std::nullopt},
        {"a ten while a red suit is not started",
         {{F(0), {"8C", "9C"}}, {F(1), {"8D", "9D"}}, {R, {"10C"}}},
         std::nullopt},
        {"a ten, both red nines home",
         {{F(0), {"8C", "9C"}}, {F(1), {"8D", "9D"}}, {F(2), {"8H", "9H"}}, {R, {"10C"}}},
         Move{R, 0, F(0)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(autoplayMove(position(8, row.piles)), row.move);
    }
}

TEST(CanfieldLayout, EveryCardOnTheSmallestTable) {
    const QSize area(960, 540);
    const kit::Layout layout = tableLayout(area);
    Table table = dealTable(kit::deals::order(1, PackSize));
    stockClick(table); // three cards fanned on the waste
    // A column of 26 cards, longer than it can get (copies of one card: only the places
    // matter here).
    for (int i = 0; i < 25; ++i)
        table.cards(T(3)).push_back(table.pile(T(3))[0]);
    test::expectFits(layout, table, area);
}

} // namespace
} // namespace halvane::canfield
