// The rules of the example game, Aces Up: its moves as a table of named rows, its deal
// and its stock.

#include "examples/acesup/acesuprules.h"

#include "games/kit/moves.h"

#include <gtest/gtest.h>

namespace acesup {
namespace {

using halvane::kit::Move;

// Cards by their engine numbers: clubs 1-13, diamonds 14-26, hearts 27-39, spades 40-52.
constexpr int TwoOfClubs = 2, FiveOfClubs = 5, KingOfClubs = 13, AceOfClubs = 1,
              FiveOfDiamonds = 18;

// The game's piles (a deal of no cards), the columns holding these cards bottom first,
// face up.
Table tableWith(const std::vector<std::vector<int>>& columns) {
    Table table = dealTable({});
    for (std::size_t i = 0; i < columns.size(); ++i) {
        for (int number : columns[i]) {
            Card card = Card::standard(std::int16_t(number));
            card.faceUp = true;
            table.cards(PileId::tableau(int(i))).push_back(card);
        }
    }
    return table;
}

struct Row {
    const char* name;
    std::vector<std::vector<int>> columns;
    Move move;
    bool legal;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class Moves : public testing::TestWithParam<Row> {};

TEST_P(Moves, FollowTheRules) {
    const Row& row = GetParam();
    const halvane::kit::RuleSet rules{canTake, canPlace};
    EXPECT_EQ(halvane::kit::isLegal(tableWith(row.columns), rules, row.move), row.legal);
}

const PileId first = PileId::tableau(0), second = PileId::tableau(1), third = PileId::tableau(2);

INSTANTIATE_TEST_SUITE_P(
    AcesUp, Moves,
    testing::Values(
        Row{"LowerOfTheSameSuitIsDiscarded",
            {{TwoOfClubs}, {FiveOfClubs}},
            {first, 0, Discards},
            true},
        Row{"HigherOfTheSameSuitStays", {{FiveOfClubs}, {TwoOfClubs}}, {first, 0, Discards}, false},
        Row{"OtherSuitDoesNotCount", {{TwoOfClubs}, {FiveOfDiamonds}}, {first, 0, Discards}, false},
        Row{"AceOutranksKing", {{KingOfClubs}, {AceOfClubs}}, {first, 0, Discards}, true},
        Row{"AceIsNeverDiscarded", {{AceOfClubs}, {KingOfClubs}}, {first, 0, Discards}, false},
        Row{"OnlyATopCardMoves",
            {{TwoOfClubs, FiveOfDiamonds}, {FiveOfClubs}},
            {first, 0, Discards},
            false},
        Row{"HigherCardUnderneathDoesNotCount",
            {{TwoOfClubs}, {FiveOfClubs, FiveOfDiamonds}},
            {first, 0, Discards},
            false},
        Row{"AnyTopCardIntoAnEmptyColumn",
            {{TwoOfClubs, FiveOfDiamonds}, {KingOfClubs}},
            {first, 1, third},
            true},
        Row{"NothingOntoAColumnWithCards",
            {{TwoOfClubs}, {KingOfClubs}},
            {first, 0, second},
            false}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(AcesUpDeal, FourCardsUpAndTheRestInTheStock) {
    std::vector<Card> order;
    for (int number = 52; number >= 1; --number) {
        order.push_back(Card::standard(std::int16_t(number)));
    }
    Table table = dealTable(order);
    for (int i = 0; i < Columns; ++i) {
        const auto& column = table.pile(PileId::tableau(i));
        ASSERT_EQ(column.size(), 1u);
        EXPECT_EQ(column.back().number, 52 - i);
        EXPECT_TRUE(column.back().faceUp);
    }
    ASSERT_EQ(table.pile(PileId::stock()).size(), 48u);
    EXPECT_EQ(table.pile(PileId::stock()).back().number, 48); // order[4] on top
    EXPECT_FALSE(table.pile(PileId::stock()).back().faceUp);
    EXPECT_TRUE(table.pile(Discards).empty());

    // Twelve clicks on the stock deal a row each; the thirteenth finds it empty.
    for (int row = 0; row < 12; ++row) {
        ASSERT_TRUE(dealRow(table));
    }
    EXPECT_EQ(table.pile(PileId::tableau(3)).back().number, 1);
    EXPECT_FALSE(dealRow(table));
    EXPECT_FALSE(isWon(table));
}

} // namespace
} // namespace acesup
