// Forty Thieves' rules: the moves, the deal, the stock dealt once, and which cards may go
// up by themselves with two packs' eight foundations.

#include "dealbuilder.h"

#include "games/fortythieves/fortythievesrules.h"
#include "games/kit/dealnumber.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace halvane::fortythieves {
namespace {

using klondike::test::cardOf;

PileId T(int i) {
    return PileId::tableau(i);
}

PileId F(int i) {
    return PileId::foundation(i);
}

// Face-up cards of the given names, bottom first.
std::vector<Card> pile(const std::vector<std::string>& names) {
    std::vector<Card> cards;
    for (const std::string& name : names) {
        cards.push_back(cardOf(name));
        cards.back().faceUp = true;
    }
    return cards;
}

TEST(FortyThievesMoves, OneCardAtATimeDownInSuit) {
    Table table = dealTable(kit::deals::order(1, PackSize));
    table.cards(T(0)) = pile({"9H", "5S"});
    table.cards(T(1)) = pile({"6S"});
    table.cards(T(2)) = pile({"6C"});
    table.cards(T(3)) = {};
    table.cards(T(4)) = pile({"7D", "6D"});
    table.cards(T(5)) = pile({"AH"});
    table.cards(PileId::waste()) = pile({"4S"});
    table.cards(F(0)) = pile({"AS", "2S", "3S"});
    table.cards(F(1)) = {};
    struct Row {
        const char* name;
        Move move;
        bool legal;
    };
    const Row rows[] = {
        {"top card onto the next higher of its suit", {T(0), 1, T(1)}, true},
        {"not onto another suit", {T(0), 1, T(2)}, false},
        {"a covered card stays", {T(0), 0, T(3)}, false},
        {"two built cards never move together", {T(4), 0, T(3)}, false},
        {"any card onto an empty column", {T(0), 1, T(3)}, true},
        {"waste onto a column", {PileId::waste(), 0, T(0)}, true},
        {"waste onto its foundation", {PileId::waste(), 0, F(0)}, true},
        {"an ace starts an empty foundation", {T(5), 0, F(1)}, true},
        {"not a started one", {T(5), 0, F(0)}, false},
        {"a foundation card stays there", {F(0), 2, T(3)}, false},
        {"nothing onto the waste", {T(0), 1, PileId::waste()}, false},
        {"nothing off the stock", {PileId::stock(), 63, T(3)}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MoveJudge(table).isLegal(row.move), row.legal);
    }
}

TEST(FortyThievesDeal, TenColumnsOfFourFaceUpTheRestInTheStock) {
    const std::vector<Card> order = kit::deals::order(7, PackSize);
    Table table = dealTable(order);
    for (int c = 0; c < Columns; ++c) {
        SCOPED_TRACE(c);
        const auto& cards = table.pile(T(c));
        ASSERT_EQ(cards.size(), 4u);
        for (std::size_t r = 0; r < cards.size(); ++r) {
            EXPECT_EQ(cards[r].number, order[r * Columns + std::size_t(c)].number);
            EXPECT_TRUE(cards[r].faceUp);
        }
    }
    ASSERT_EQ(table.pile(PileId::stock()).size(), 64u);
    EXPECT_TRUE(table.pile(PileId::waste()).empty());
    EXPECT_THROW(dealTable(kit::deals::order(7, 52)), std::invalid_argument);

    // The stock turns one card at a time, in the order dealt, and only once.
    for (std::size_t i = 40; i < order.size(); ++i) {
        ASSERT_TRUE(MoveJudge(table).canDraw());
        draw(table);
        EXPECT_EQ(table.pile(PileId::waste()).back().number, order[i].number);
    }
    EXPECT_FALSE(MoveJudge(table).canDraw());
    EXPECT_THROW(draw(table), std::logic_error);
}

// A foundation built from the ace up to `top`.
std::vector<Card> upTo(const std::string& top) {
    const Card last = cardOf(top);
    std::vector<Card> cards;
    for (int n = last.number - last.rank + 1; n <= last.number; ++n) {
        cards.push_back(Card::standard(std::int16_t(n)));
        cards.back().faceUp = true;
    }
    return cards;
}

TEST(FortyThievesAutoplay, ACardGoesUpWhenBothCardsBelowItAreHome) {
    struct Row {
        const char* name;
        std::vector<std::string> foundationTops;
        std::string card;
        bool safe;
    };
    const Row rows[] = {
        {"an ace", {}, "AH", true},
        {"a two, the other ace still out", {"AH"}, "2H", true},
        {"a five, one four of its suit home", {"4H", "2H"}, "5H", false},
        {"a five, both fours home", {"4H", "4H"}, "5H", true},
        {"a four of another suit does not count", {"4H", "4D"}, "5H", false},
        // The rule for alternating colours would send it up: both black suits are at four.
        {"black foundations do not matter", {"4H", "4C", "4S"}, "5H", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = dealTable(kit::deals::order(1, PackSize));
        for (std::size_t i = 0; i < row.foundationTops.size(); ++i) {
            table.cards(F(int(i))) = upTo(row.foundationTops[i]);
        }
        for (int c = 0; c < Columns; ++c) {
            table.cards(T(c)) = pile({"KS"});
        }
        table.cards(T(6)) = pile({"KS", row.card});
        EXPECT_EQ(isSafeToFoundation(table, table.pile(T(6)).back()), row.safe);
        const std::optional<Move> move = MoveJudge(table).safeMove();
        ASSERT_EQ(move.has_value(), row.safe);
        if (move) {
            EXPECT_EQ(move->from, T(6));
            EXPECT_TRUE(MoveJudge(table).isLegal(*move));
        }
    }
}

} // namespace
} // namespace halvane::fortythieves
