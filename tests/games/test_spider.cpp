// Spider's rules: the moves under each suit count, the deal, a row from the stock and the
// finished runs that leave the table.

#include "dealbuilder.h"

#include "games/kit/dealnumber.h"
#include "games/spider/spiderrules.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace halvane::spider {
namespace {

using klondike::test::cardOf;

PileId T(int i) {
    return PileId::tableau(i);
}

Card up(const std::string& name) {
    Card card = cardOf(name);
    card.faceUp = true;
    return card;
}

Card down(const std::string& name) {
    return cardOf(name);
}

// A king-to-ace run face up; `suits` names the suit of each card from the king down.
std::vector<Card> run(const std::string& suits) {
    static const char* ranks[] = {"K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2", "A"};
    std::vector<Card> cards;
    for (int i = 0; i < RunLength; ++i) {
        cards.push_back(up(ranks[i] + suits.substr(std::size_t(i), 1)));
    }
    return cards;
}

Table dealt(int suits) {
    return dealTable(kit::deals::order(1, PackSize), suits);
}

TEST(SpiderMoves, UnderEachSuitCount) {
    Table table = dealt(4);
    table.cards(T(0)) = {down("5C"), up("9S"), up("8H"), up("7H")};
    table.cards(T(1)) = {up("9H")};
    table.cards(T(2)) = {up("10D"), up("9H"), up("8D")};
    table.cards(T(3)) = {up("9C")};
    table.cards(T(4)) = {};
    table.cards(T(5)) = {up("8S")};
    table.cards(PileId::foundation(1)) = run("HHHHHHHHHHHHH");
    struct Row {
        const char* name;
        int suits;
        Move move;
        bool legal;
    };
    const Row rows[] = {
        {"top card onto the next rank of another suit", 4, {T(0), 3, T(5)}, true},
        {"a run in one suit moves together", 4, {T(0), 2, T(1)}, true},
        {"black over red is no run in four suits", 4, {T(0), 1, T(4)}, false},
        {"nor in two suits", 2, {T(0), 1, T(4)}, false},
        {"but with one suit any descending run moves", 1, {T(0), 1, T(4)}, true},
        {"red over red is a run in two suits", 2, {T(2), 1, T(4)}, true},
        {"but not in four", 4, {T(2), 1, T(4)}, false},
        {"a card onto one that is not one rank higher", 4, {T(3), 0, T(5)}, false},
        {"a face-down card never moves", 1, {T(0), 0, T(4)}, false},
        {"any card onto an empty column", 4, {T(3), 0, T(4)}, true},
        {"a whole column that is a run onto an empty one", 2, {T(2), 0, T(4)}, true},
        {"never onto a foundation", 1, {T(0), 3, PileId::foundation(0)}, false},
        {"never off a foundation", 1, {PileId::foundation(1), 12, T(4)}, false},
        {"nothing onto the stock", 1, {T(0), 3, PileId::stock()}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        table.options[Suits] = row.suits;
        EXPECT_EQ(MoveJudge(table).isLegal(row.move), row.legal);
    }
}

TEST(SpiderDeal, SixCardsOnTheFirstFourColumnsFiveOnTheRestTheRestInTheStock) {
    const std::vector<Card> order = kit::deals::order(1, PackSize);
    const Table table = dealTable(order, 2);
    for (int c = 0; c < Columns; ++c) {
        SCOPED_TRACE(c);
        const auto& cards = table.pile(T(c));
        ASSERT_EQ(cards.size(), c < 4 ? 6u : 5u);
        for (std::size_t r = 0; r < cards.size(); ++r) {
            EXPECT_EQ(cards[r].number, order[r * Columns + std::size_t(c)].number);
            EXPECT_EQ(cards[r].faceUp, r + 1 == cards.size());
        }
    }
    const auto& stock = table.pile(PileId::stock());
    ASSERT_EQ(stock.size(), 50u);
    EXPECT_EQ(stock.back().number, order[54].number) << "the next card dealt is on top";
    EXPECT_EQ(stock.front().number, order[103].number);
    EXPECT_FALSE(stock.back().faceUp);
    EXPECT_EQ(table.pilesOf(Role::Foundation).size(), 8u);
    EXPECT_EQ(table.counters.score, StartScore);
    EXPECT_EQ(table.options, std::vector<int>{2});
}

TEST(SpiderDeal, RefusesWhatIsNoDeal) {
    std::vector<Card> twice = kit::deals::order(1, PackSize);
    twice[7] = twice[8];
    EXPECT_THROW(dealTable(twice, 4), std::invalid_argument);
    EXPECT_THROW(dealTable(kit::deals::order(1, 52), 4), std::invalid_argument);
    EXPECT_THROW(dealTable(kit::deals::order(1, PackSize), 3), std::invalid_argument);
}

TEST(SpiderStock, ARowGoesOntoEveryColumnWhileNoneIsEmpty) {
    const std::vector<Card> order = kit::deals::order(1, PackSize);
    Table table = dealTable(order, 4);
    ASSERT_TRUE(canDealRow(table));
    dealRow(table);
    for (int c = 0; c < Columns; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(table.pile(T(c)).back().number, order[54 + std::size_t(c)].number);
        EXPECT_TRUE(table.pile(T(c)).back().faceUp);
    }
    EXPECT_EQ(table.pile(PileId::stock()).size(), 40u);
    EXPECT_EQ(table.counters.score, StartScore + MovePoints);

    Table gap = table;
    gap.cards(T(7)).clear();
    EXPECT_FALSE(canDealRow(gap));
    EXPECT_THROW(dealRow(gap), std::logic_error);
    for (int row = 0; row < 4; ++row) {
        dealRow(table);
    }
    EXPECT_FALSE(canDealRow(table)) << "five rows in all";
}

TEST(SpiderRuns, AFinishedRunLeavesForTheFirstEmptyFoundation) {
    struct Row {
        const char* name;
        int suits;
        std::string run;
        bool leaves;
    };
    const Row rows[] = {
        {"one suit: any king to ace", 1, "SHDCSHDCSHDCS", true},
        {"two suits: all red", 2, "HDHDHDHDHDHDH", true},
        {"two suits: a black card breaks it", 2, "HDHDHDHSHDHDH", false},
        {"four suits: all hearts", 4, "HHHHHHHHHHHHH", true},
        {"four suits: a diamond breaks it", 4, "HHHHHHHHHHHHD", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealt(row.suits);
        table.cards(PileId::foundation(0)) = run("SSSSSSSSSSSSS");
        std::vector<Card>& column = table.cards(T(3));
        const std::vector<Card> below = column;
        const std::vector<Card> finished = run(row.run);
        column.insert(column.end(), finished.begin(), finished.end());
        const int score = table.counters.score;
        EXPECT_EQ(clearFinishedRuns(table), row.leaves ? 1 : 0);
        if (row.leaves) {
            EXPECT_EQ(table.pile(T(3)), below) << "the cards under it stay as they were";
            const std::vector<Card> kingOnTop(finished.rbegin(), finished.rend());
            EXPECT_EQ(table.pile(PileId::foundation(1)), kingOnTop);
            EXPECT_EQ(table.counters.score, score + RunPoints);
        } else {
            EXPECT_EQ(table.pile(T(3)).size(), below.size() + RunLength);
            EXPECT_EQ(table.counters.score, score);
        }
    }
}

TEST(SpiderRuns, ARunUnderAnotherCardStays) {
    Table table = dealt(1);
    std::vector<Card>& column = table.cards(T(0));
    const std::vector<Card> finished = run("SSSSSSSSSSSSS");
    column = {up("KH")};
    column.insert(column.begin(), finished.begin(), finished.end());
    EXPECT_EQ(clearFinishedRuns(table), 0);
}

} // namespace
} // namespace halvane::spider
