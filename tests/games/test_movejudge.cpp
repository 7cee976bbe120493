// The rules: what may be taken, where it may go, drawing, redealing and turning.

#include "dealbuilder.h"

#include "games/klondike/klondikerules.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace halvane::klondike {
namespace {

using test::cardOf;
using test::orderWith;

// Columns 0..6 show 5H 7C 6H 6S 7D 5D KC; the stock gives QH AD 2D 2H 3D KH in turn.
Table position(int drawCount = 1) {
    Table table = dealTable(
        orderWith({"5H", "7C", "6H", "6S", "7D", "5D", "KC"}, {"QH", "AD", "2D", "2H", "3D", "KH"}),
        drawCount);
    return table;
}

// Setup steps, applied with the table's own mutators (no judging).
using Step = std::function<void(Table&)>;
Step draws(int count) {
    return [count](Table& t) {
        for (int i = 0; i < count; ++i)
            draw(t);
    };
}
Step moveTop(PileId from, PileId to) {
    return [from, to](Table& t) { t.move(from, int(t.pile(from).size()) - 1, to); };
}
const PileId W = PileId::waste();
const PileId S = PileId::stock();
PileId T(int i) {
    return PileId::tableau(i);
}
PileId F(int i) {
    return PileId::foundation(i);
}

TEST(MoveJudgeMoves, ColumnsFoundationsAndEmptyPlaces) {
    struct Row {
        const char* name;
        std::vector<Step> setup;
        Move move;
        bool legal;
    };
    const Step emptyFirstColumn = moveTop(T(0), T(3)); // 5H onto 6S
    const Step aceHome = [](Table& t) {
        draws(2)(t);
        moveTop(W, F(0))(t);
    };
    const Row rows[] = {
        {"red six on black seven", {}, {T(2), 2, T(1)}, true},
        {"black six on black seven", {}, {T(3), 3, T(1)}, false},
        {"red five on black six", {}, {T(5), 5, T(3)}, true},
        {"red five on red six", {}, {T(5), 5, T(2)}, false},
        {"black seven on red six: rank rises", {}, {T(1), 1, T(2)}, false},
        {"red six on black six: same rank", {}, {T(2), 2, T(3)}, false},
        {"black six on red seven", {}, {T(3), 3, T(4)}, true},
        {"red queen from the waste on black king", {draws(1)}, {W, 0, T(6)}, true},
        {"waste card under the top", {draws(2)}, {W, 0, T(6)}, false},
        {"run of two on a red seven", {moveTop(T(5), T(3))}, {T(3), 3, T(4)}, true},
        {"run of two on a black seven", {moveTop(T(5), T(3))}, {T(3), 3, T(1)}, false},
        {"face-down card", {}, {T(2), 0, T(1)}, false},
        {"stock card", {}, {S, 23, T(6)}, false},
        {"onto the stock", {}, {T(2), 2, S}, false},
        {"onto the waste", {}, {T(2), 2, W}, false},
        {"onto its own column", {}, {T(2), 2, T(2)}, false},
        {"ace onto an empty foundation", {draws(2)}, {W, 1, F(0)}, true},
        {"ace onto the last empty foundation", {draws(2)}, {W, 1, F(3)}, true},
        {"six onto an empty foundation", {}, {T(2), 2, F(1)}, false},
        {"two of the suit onto its ace", {aceHome, draws(1)}, {W, 1, F(0)}, true},
        {"two of another suit onto an ace", {aceHome, draws(2)}, {W, 2, F(0)}, false},
        {"three onto an ace", {aceHome, draws(3)}, {W, 3, F(0)}, false},
        {"foundation ace onto a six", {aceHome}, {F(0), 0, T(2)}, false},
        {"king onto an empty column", {emptyFirstColumn, draws(6)}, {W, 5, T(0)}, true},
        {"queen onto an empty column", {emptyFirstColumn, draws(1)}, {W, 0, T(0)}, false},
        {"run under a king onto an empty column",
         {emptyFirstColumn, draws(1), moveTop(W, T(6))},
         {T(6), 6, T(0)},
         true},
        {"run under a six onto an empty column", {emptyFirstColumn}, {T(3), 3, T(0)}, false},
        {"run onto a foundation", {moveTop(T(5), T(3))}, {T(3), 3, F(0)}, false},
        {"onto a face-down top card",
         {moveTop(T(2), T(1))},
         {T(1), 2, T(2)},
         false}, // 6H back onto column 2, whose top lies face down
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = position();
        for (const Step& step : row.setup)
            step(table);
        EXPECT_EQ(MoveJudge(table).isLegal(row.move), row.legal);
    }
}

TEST(MoveJudgeMoves, FoundationTopCanGoBackToAColumn) {
    // AC and 2C home, then the two back onto the red three.
    Table table = dealTable(orderWith({"AC", "2C", "3D", "6S", "7D", "5D", "KC"}, {}), 1);
    table.move(T(0), 0, F(2));
    table.move(T(1), 1, F(2));
    const MoveJudge judge(table);
    EXPECT_TRUE(judge.canTake(F(2), 1));
    EXPECT_FALSE(judge.canTake(F(2), 0)) << "only the top of a foundation";
    EXPECT_TRUE(judge.isLegal({F(2), 1, T(2)}));
    EXPECT_FALSE(judge.isLegal({F(2), 1, T(4)}));
}

TEST(MoveJudgeDoubleClick, FindsTheFoundationOfTheTopCard) {
    struct Row {
        const char* name;
        std::vector<Step> setup;
        PileId from;
        std::optional<PileId> foundation;
    };
    const Row rows[] = {
        {"ace to the first empty foundation", {draws(2)}, W, F(0)},
        {"ace skips a filled foundation", {moveTop(T(0), F(0)), draws(2)}, W, F(1)},
        {"two follows its ace on the second foundation",
         {draws(2), moveTop(W, F(1)), draws(1)},
         W,
         F(1)},
        {"card that fits nowhere", {}, T(2), std::nullopt},
        {"empty waste", {}, W, std::nullopt},
        {"face-down column top", {moveTop(T(2), T(1))}, T(2), std::nullopt},
        {"foundation itself", {draws(2), moveTop(W, F(0))}, F(0), std::nullopt},
        {"stock", {}, S, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = position();
        for (const Step& step : row.setup)
            step(table);
        EXPECT_EQ(MoveJudge(table).foundationFor(row.from), row.foundation);
    }
}

TEST(MoveJudgeStock, DrawRedealAndTurn) {
    struct Row {
        const char* name;
        int drawCount;
        std::vector<Step> setup;
        bool canDraw;
        bool canRedeal;
    };
    const Step emptyWaste = [](Table& t) {
        int foundation = 0;
        while (!t.pile(W).empty())
            moveTop(W, F(foundation++ % 4))(t);
    };
    const Row rows[] = {
        {"fresh deal", 1, {}, true, false},
        {"stock half drawn", 1, {draws(12)}, true, false},
        {"stock drawn out by ones", 1, {draws(24)}, false, true},
        {"stock drawn out by threes", 3, {draws(8)}, false, true},
        {"last two cards by three", 3, {draws(7)}, true, false},
        {"stock and waste used up", 1, {draws(24), emptyWaste}, false, false},
        {"redealt", 1, {draws(24), [](Table& t) { redeal(t); }}, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = position(row.drawCount);
        for (const Step& step : row.setup)
            step(table);
        const MoveJudge judge(table);
        EXPECT_EQ(judge.canDraw(), row.canDraw);
        EXPECT_EQ(judge.canRedeal(), row.canRedeal);
    }
}

TEST(MoveJudgeStock, NothingBeforeTheDeal) {
    const Table table;
    const MoveJudge judge(table);
    EXPECT_FALSE(judge.canDraw());
    EXPECT_FALSE(judge.canRedeal());
    EXPECT_FALSE(judge.canTake(T(0), 0));
    EXPECT_FALSE(judge.foundationFor(T(0)).has_value());
}

TEST(TableTurn, OnlyAFaceDownTopTurns) {
    struct Row {
        const char* name;
        std::vector<Step> setup;
        int column;
        bool turns;
    };
    const Row rows[] = {
        {"face-up top", {}, 2, false},
        {"face-down top after its card left", {moveTop(T(2), T(1))}, 2, true},
        {"empty column", {moveTop(T(0), T(3))}, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Table table = position();
        for (const Step& step : row.setup)
            step(table);
        bool turned = true;
        try {
            table.turnUp(T(row.column));
        } catch (const std::logic_error&) {
            turned = false;
        }
        EXPECT_EQ(turned, row.turns);
        if (turned) {
            EXPECT_TRUE(table.pile(T(row.column)).back().faceUp);
        }
    }
    Table table = position();
    EXPECT_THROW(table.turnUp(T(7)), std::out_of_range) << "column 8 does not exist";
}

} // namespace
} // namespace halvane::klondike
