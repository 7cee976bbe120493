// Dragging a block, judged by the outcome (the table equals dealing afresh), by the
// strips each move draws, by the frames of a slide home, and by its errors.

#include "engine/class1.h"
#include "engine/error.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <functional>

namespace dorvik::test {
namespace {

Variant listOf(std::initializer_list<int> cards) {
    std::vector<Variant> elements;
    for (const int n : cards) {
        elements.push_back(Variant::fromInteger(std::int16_t(n)));
    }
    return Variant::fromArray(elements);
}

void pick(Class1& e, gdi::HDC dc, float x, float y, int expected) {
    ASSERT_EQ(e.InitDrag(dc, x, y), Variant::fromInteger(std::int16_t(expected)));
}

// A column at x 200: 30 face down, then 31, 32, 33, 16 rows apart; 30 to 32 covered.
// Two lone cards to drop on.
const std::vector<Deal> kColumn = {{1, 450, 100},  {2, 450, 330},  {30, 200, 150, true},
                                   {31, 200, 166}, {32, 200, 182}, {33, 200, 198}};
const Variant kBlock = listOf({31, 32, 33}); // pressed at (210, 170): grab (10, 4)

// kColumn without the block, then `block` dealt bottom first from (x, y), `offset` apart.
std::vector<Deal> columnAt(std::initializer_list<int> block, int x, int y, int offset = 16) {
    std::vector<Deal> deals;
    for (const Deal& d : kColumn) {
        if (std::find(block.begin(), block.end(), d.card) == block.end()) {
            deals.push_back(d);
        }
    }
    int i = 0;
    for (const int n : block) {
        deals.push_back({n, x, y + offset * i++, n == 30});
    }
    return deals;
}

// What a game does to accept a dropped block.
void accept(Class1& e, gdi::HDC dc, std::initializer_list<int> block, int x, int y,
            int offset = 16) {
    e.ReDraw(dc);
    int i = 0;
    for (const int n : block) {
        e.DealCard(dc, std::int16_t(n), std::int16_t(x), std::int16_t(y + offset * i++));
    }
}

class BlockDrag : public Testbed {};

struct Sequence {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> steps;
    std::vector<Deal> expected;
};

class BlockDragOutcome : public Testbed, public testing::WithParamInterface<Sequence> {};

TEST_P(BlockDragOutcome, EqualsDealingAfresh) {
    initialize();
    for (const int n : {30, 31, 32}) {
        m_engine.SetCardIsBlocked(std::int16_t(n), com::True);
    }
    deal(kColumn);
    GetParam().steps(m_engine, m_window);
    const QImage actualWindow = window();
    const QImage actualCopy = tableCopy();
    const Table expected = freshTable(GetParam().expected);
    EXPECT_TRUE(SameImage(actualWindow, expected.window)) << "window";
    EXPECT_TRUE(SameImage(actualCopy, expected.copy)) << "table copy";
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, BlockDragOutcome,
    testing::Values(Sequence{"DragAndAcceptDrop",
                             [](Class1& e, gdi::HDC dc) {
                                 pick(e, dc, 210, 170, 31);
                                 e.BlockDrag(dc, kBlock, 3, 230, 200);
                                 e.BlockDrag(dc, kBlock, 3, 460, 120);
                                 EXPECT_EQ(e.EndBlockDrag(dc, kBlock, 3, 460, 120),
                                           Variant::fromInteger(1));
                                 accept(e, dc, {31, 32, 33}, 450, 116);
                             },
                             columnAt({31, 32, 33}, 450, 116)},
                    Sequence{"DragAndReturn",
                             [](Class1& e, gdi::HDC dc) {
                                 pick(e, dc, 210, 170, 31);
                                 e.BlockDrag(dc, kBlock, 3, 230, 200);
                                 e.BlockDrag(dc, kBlock, 3, 460, 120);
                                 e.EndBlockDrag(dc, kBlock, 3, 460, 120);
                                 e.ReturnBlockDrag(dc, kBlock, 3, 200, 166);
                             },
                             columnAt({31, 32, 33}, 200, 166)},
                    Sequence{"AcceptThenReturn",
                             [](Class1& e, gdi::HDC dc) {
                                 pick(e, dc, 210, 170, 31);
                                 e.BlockDrag(dc, kBlock, 3, 460, 120);
                                 e.EndBlockDrag(dc, kBlock, 3, 460, 120);
                                 accept(e, dc, {31, 32, 33}, 450, 116);
                                 e.ReturnBlockDrag(dc, kBlock, 3, 200, 166);
                             },
                             columnAt({31, 32, 33}, 200, 166)},
                    Sequence{"RemoveAndReturnElsewhere",
                             [](Class1& e, gdi::HDC dc) {
                                 for (const int n : {33, 32, 31}) {
                                     e.RemoveCard(dc, std::int16_t(n));
                                 }
                                 e.ReturnBlockDrag(dc, kBlock, 3, 100, 300);
                             },
                             columnAt({31, 32, 33}, 100, 300)},
                    Sequence{"ReturnedElsewhereThenTopCardDraggedOff",
                             [](Class1& e, gdi::HDC dc) {
                                 for (const int n : {33, 32, 31}) {
                                     e.RemoveCard(dc, std::int16_t(n));
                                 }
                                 e.ReturnBlockDrag(dc, kBlock, 3, 100, 300);
                                 pick(e, dc, 110, 340, 33);
                                 e.DoDrag(dc, 33, 510, 40);
                                 e.EndDrag(dc, 510, 40);
                             },
                             [] {
                                 std::vector<Deal> deals = columnAt({31, 32, 33}, 100, 300);
                                 deals.back() = {33, 500, 32};
                                 return deals;
                             }()},
                    Sequence{"ScatteredCardsGatheredHome",
                             [](Class1& e, gdi::HDC dc) {
                                 e.DealCard(dc, 31, 300, 300);
                                 e.DealCard(dc, 32, 520, 20);
                                 e.DealCard(dc, 33, 60, 380);
                                 e.ReturnBlockDrag(dc, kBlock, 3, 200, 166);
                             },
                             columnAt({31, 32, 33}, 200, 166)},
                    Sequence{"RemoveAndReturnHome",
                             [](Class1& e, gdi::HDC dc) {
                                 for (const int n : {33, 32, 31}) {
                                     e.RemoveCard(dc, std::int16_t(n));
                                 }
                                 e.ReturnBlockDrag(dc, kBlock, 3, 200, 166);
                             },
                             columnAt({31, 32, 33}, 200, 166)},
                    Sequence{"ClickAndReturn",
                             [](Class1& e, gdi::HDC dc) {
                                 pick(e, dc, 210, 170, 31);
                                 e.EndBlockDrag(dc, kBlock, 3, 210, 170);
                                 e.ReturnBlockDrag(dc, kBlock, 3, 200, 166);
                             },
                             columnAt({31, 32, 33}, 200, 166)},
                    Sequence{"BlockDragTwiceAtOnePlace",
                             [](Class1& e, gdi::HDC dc) {
                                 pick(e, dc, 210, 170, 31);
                                 e.BlockDrag(dc, kBlock, 3, 330, 300);
                                 e.BlockDrag(dc, kBlock, 3, 330, 300);
                                 e.EndBlockDrag(dc, kBlock, 3, 330, 300);
                                 accept(e, dc, {31, 32, 33}, 320, 296);
                             },
                             columnAt({31, 32, 33}, 320, 296)},
                    Sequence{"BlockOfOneCard",
                             [](Class1& e, gdi::HDC dc) {
                                 const Variant one = listOf({33});
                                 pick(e, dc, 210, 250, 33);
                                 e.BlockDrag(dc, one, 1, 310, 350);
                                 e.EndBlockDrag(dc, one, 1, 310, 350);
                                 accept(e, dc, {33}, 300, 298);
                             },
                             columnAt({33}, 300, 298)},
                    Sequence{"BlockOfOneCardReturned",
                             [](Class1& e, gdi::HDC dc) {
                                 const Variant one = listOf({33});
                                 pick(e, dc, 210, 250, 33);
                                 e.BlockDrag(dc, one, 1, 310, 350);
                                 e.EndBlockDrag(dc, one, 1, 310, 350);
                                 accept(e, dc, {33}, 300, 298);
                                 e.ReturnBlockDrag(dc, one, 1, 200, 198);
                             },
                             columnAt({33}, 200, 198)},
                    Sequence{"WithAFaceDownCard",
                             [](Class1& e, gdi::HDC dc) {
                                 const Variant four = listOf({30, 31, 32, 33});
                                 pick(e, dc, 210, 155, 30);
                                 e.BlockDrag(dc, four, 4, 110, 260);
                                 e.EndBlockDrag(dc, four, 4, 110, 260);
                                 accept(e, dc, {30, 31, 32, 33}, 100, 255);
                             },
                             columnAt({30, 31, 32, 33}, 100, 255)},
                    Sequence{"WithAFaceDownCardReturned",
                             [](Class1& e, gdi::HDC dc) {
                                 const Variant four = listOf({30, 31, 32, 33});
                                 pick(e, dc, 210, 155, 30);
                                 e.BlockDrag(dc, four, 4, 110, 260);
                                 e.ReturnBlockDrag(dc, four, 4, 200, 150);
                             },
                             columnAt({30, 31, 32, 33}, 200, 150)},
                    Sequence{"PartlyOffTheTable",
                             [](Class1& e, gdi::HDC dc) {
                                 pick(e, dc, 210, 170, 31);
                                 e.BlockDrag(dc, kBlock, 3, 630, 450);
                                 e.EndBlockDrag(dc, kBlock, 3, 630, 450);
                                 accept(e, dc, {31, 32, 33}, 620, 446);
                                 e.ReturnBlockDrag(dc, kBlock, 3, -30, -60);
                             },
                             columnAt({31, 32, 33}, -30, -60)}),
    [](const auto& info) { return std::string(info.param.name); });

// StackOffset 0: the block's cards lie on one another and only the top one shows.
TEST_F(BlockDrag, StackOffsetZeroDragsAndReturnsAPileInOnePlace) {
    initialize();
    m_engine.SetOffset(0);
    const std::vector<Deal> pile = {{1, 450, 100}, {31, 200, 166}, {32, 200, 166}, {33, 200, 166}};
    deal(pile);
    const Variant block = listOf({31, 32, 33});
    pick(m_engine, m_window, 210, 170, 33);
    m_engine.BlockDrag(m_window, block, 3, 330, 300);
    // On the way: the top card only, over the table without the pile.
    const QImage moving =
        drawReference(tableBackground(kScreen), m_sheet,
                      {{faceCell(1, 1), {450, 100}}, {faceCell(3, 7), {320, 296}}});
    EXPECT_TRUE(SameImage(window(), moving));
    m_engine.ReturnBlockDrag(m_window, block, 3, 200, 166);
    const QImage actualWindow = window();
    const QImage actualCopy = tableCopy();
    const Table expected = freshTable(pile, 0);
    EXPECT_TRUE(SameImage(actualWindow, expected.window));
    EXPECT_TRUE(SameImage(actualCopy, expected.copy));
}

// After a block was accepted (ReDraw, then DealCard bottom first), every card of it
// has a true save-under cell: taking the cards off one by one leaves no ghost.
TEST_F(BlockDrag, AnAcceptedBlockComesApartWithoutGhosts) {
    initialize();
    for (const int n : {30, 31, 32}) {
        m_engine.SetCardIsBlocked(std::int16_t(n), com::True);
    }
    deal(kColumn);
    pick(m_engine, m_window, 210, 170, 31);
    m_engine.BlockDrag(m_window, kBlock, 3, 460, 120);
    m_engine.EndBlockDrag(m_window, kBlock, 3, 460, 120);
    accept(m_engine, m_window, {31, 32, 33}, 450, 116);

    std::vector<Deal> expected = columnAt({31, 32, 33}, 450, 116);
    const QPoint away[3] = {{100, 380}, {20, 380}, {300, 20}};
    int moved = 0;
    for (const int n : {33, 32, 31}) {
        const int y = 116 + 16 * (n - 31);
        m_engine.SetCardIsBlocked(std::int16_t(n), com::False);
        pick(m_engine, m_window, 455, float(y + 5), n);
        m_engine.DoDrag(m_window, std::int16_t(n), std::int16_t(away[moved].x() + 5),
                        std::int16_t(away[moved].y() + 5));
        m_engine.EndDrag(m_window, std::int16_t(away[moved].x() + 5),
                         std::int16_t(away[moved].y() + 5));
        std::erase_if(expected, [n](const Deal& d) { return d.card == n; });
        expected.push_back({n, away[moved].x(), away[moved].y()});
        ++moved;

        const QImage actualWindow = window();
        const QImage actualCopy = tableCopy();
        const Table fresh = freshTable(expected);
        EXPECT_TRUE(SameImage(actualWindow, fresh.window)) << "after moving card " << n;
        EXPECT_TRUE(SameImage(actualCopy, fresh.copy)) << "after moving card " << n;
        // freshTable started the engine afresh: rebuild the game's table as it stands.
        m_window = newWindow();
        initialize();
        deal(expected);
    }
}

struct Layout {
    const char* name;
    int offset;
    std::vector<Placed> shown; // relative to the bottom card's new place (100, 200)
};

class BlockStrips : public Testbed, public testing::WithParamInterface<Layout> {};

TEST_P(BlockStrips, EachMoveDrawsTheColumnOnTheWindowOnly) {
    initialize();
    const int offset = GetParam().offset;
    m_engine.SetOffset(std::int16_t(offset));
    const std::vector<Deal> column = {{40, 300, 200},
                                      {41, 300, 200 + offset},
                                      {42, 300, 200 + 2 * offset, true},
                                      {43, 300, 200 + 3 * offset}};
    deal(column);
    const Variant block = listOf({40, 41, 42, 43});
    pick(m_engine, m_window, 301, 201, offset > 0 ? 40 : 43);
    module1().GrabOffsetX = 1;
    module1().GrabOffsetY = 1;
    m_engine.BlockDrag(m_window, block, 4, 101, 201);
    std::vector<Placed> shown;
    for (Placed p : GetParam().shown) {
        p.at += QPoint(100, 200);
        shown.push_back(p);
    }
    const QImage background = tableBackground(kScreen);
    EXPECT_TRUE(SameImage(window(), drawReference(background, m_sheet, shown)));
    EXPECT_TRUE(SameImage(tableCopy(), background));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m_engine.GetCardY(std::int16_t(40 + i)),
                  Variant::fromInteger(std::int16_t(200 + i * offset)));
    }
}

const QPoint kBack1{864, 388};

INSTANTIATE_TEST_SUITE_P(Offsets, BlockStrips,
                         testing::Values(Layout{"Sixteen",
                                                16,
                                                {{faceCell(4, 1), {0, 0}, 16},
                                                 {faceCell(4, 2), {0, 16}, 16},
                                                 {kBack1, {0, 32}, 16},
                                                 {faceCell(4, 4), {0, 48}}}},
                                         Layout{"Zero", 0, {{faceCell(4, 4), {0, 0}}}},
                                         Layout{"Forty",
                                                40,
                                                {{faceCell(4, 1), {0, 0}, 40},
                                                 {faceCell(4, 2), {0, 40}, 40},
                                                 {kBack1, {0, 80}, 40},
                                                 {faceCell(4, 4), {0, 120}}}},
                                         Layout{"WiderThanACard",
                                                120,
                                                {{faceCell(4, 1), {0, 0}},
                                                 {faceCell(4, 2), {0, 120}},
                                                 {kBack1, {0, 240}},
                                                 {faceCell(4, 4), {0, 360}}}},
                                         Layout{"Upwards",
                                                -16,
                                                {{faceCell(4, 1), {0, 0}},
                                                 {faceCell(4, 2), {0, -16}},
                                                 {kBack1, {0, -32}},
                                                 {faceCell(4, 4), {0, -48}}}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Slide {
    const char* name;
    QPoint from, to;
    long frames;
};

class BlockReturnFrames : public Testbed, public testing::WithParamInterface<Slide> {};

TEST_P(BlockReturnFrames, EachFrameIsFlushed) {
    initialize();
    const Slide& s = GetParam();
    deal({{31, s.from.x(), s.from.y()}, {32, s.from.x(), s.from.y() + 16}});
    const Variant block = listOf({31, 32});
    const long before = gdi::FrameCount(m_window);
    m_engine.ReturnBlockDrag(m_window, block, 2, std::int16_t(s.to.x()), std::int16_t(s.to.y()));
    EXPECT_EQ(gdi::FrameCount(m_window) - before, s.frames);
    EXPECT_EQ(m_engine.GetCardY(32), Variant::fromInteger(std::int16_t(s.to.y() + 16)));
    const QImage copy = tableCopy();
    EXPECT_TRUE(SameImage(
        copy, freshTable({{31, s.to.x(), s.to.y()}, {32, s.to.x(), s.to.y() + 16}}).copy));
}

INSTANTIATE_TEST_SUITE_P(Slides, BlockReturnFrames,
                         testing::Values(Slide{"AlreadyHome", {200, 200}, {200, 200}, 0},
                                         Slide{"Across105", {305, 200}, {200, 200}, 10},
                                         Slide{"TwentyAndTwenty", {220, 180}, {200, 200}, 1},
                                         Slide{"AxesIndependent", {95, 245}, {200, 200}, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BlockDrag, BlocksOfNoCardsDoNothing) {
    initialize();
    deal({{31, 100, 100}});
    const QImage window0 = window();
    const QImage copy0 = tableCopy();
    for (const std::int16_t count : {std::int16_t(0), std::int16_t(-3)}) {
        m_engine.BlockDrag(m_window, Variant(), count, 300, 300);
        m_engine.ReturnBlockDrag(m_window, Variant(), count, 300, 300);
        EXPECT_EQ(m_engine.EndBlockDrag(m_window, Variant(), count, 110, 110),
                  Variant::fromInteger(0));
    }
    EXPECT_TRUE(SameImage(window(), window0));
    EXPECT_TRUE(SameImage(tableCopy(), copy0));
    EXPECT_EQ(m_engine.GetCardX(31), Variant::fromInteger(100));
}

struct BadBlock {
    const char* name;
    Variant list;
    int count;
    int offset;
    const char* detail;
    bool checksList = true; // a fault of the list rather than of the positions
};

class BlockErrors : public Testbed, public testing::WithParamInterface<BadBlock> {};

TEST_P(BlockErrors, EveryBlockMethodRaisesAndDrawsNothing) {
    initialize();
    deal({{31, 100, 100}, {32, 100, 116}});
    m_engine.SetOffset(std::int16_t(GetParam().offset));
    pick(m_engine, m_window, 110, 110, 31);
    const QImage window0 = window();
    const QImage copy0 = tableCopy();
    const BadBlock& b = GetParam();
    const auto count = std::int16_t(b.count);
    std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"BlockDrag", [&] { m_engine.BlockDrag(m_window, b.list, count, 150, 150); }},
        {"ReturnBlockDrag", [&] { m_engine.ReturnBlockDrag(m_window, b.list, count, 10, 10); }}};
    if (b.checksList) { // the drop reads no positions, only the list
        calls.emplace_back("EndBlockDrag",
                           [&] { m_engine.EndBlockDrag(m_window, b.list, count, 1, 1); });
    }
    for (const auto& [method, call] : calls) {
        try {
            call();
            ADD_FAILURE() << method << " raised nothing";
        } catch (const Error& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind(method, 0), 0u) << what;
            EXPECT_NE(what.find(b.detail), std::string::npos) << what;
        }
    }
    EXPECT_TRUE(SameImage(window(), window0));
    EXPECT_TRUE(SameImage(tableCopy(), copy0));
    EXPECT_EQ(m_engine.GetCardX(31), Variant::fromInteger(100));
    EXPECT_TRUE(module1().DragFirstMove);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BlockErrors,
    testing::Values(
        BadBlock{"NotAnArray", Variant::fromInteger(31), 1, 16, "not an array"},
        BadBlock{"Shorter", listOf({31, 32}), 3, 16, "2 elements"},
        BadBlock{"ElementZero", listOf({31, 0}), 2, 16, "CardList(1) = Integer 0"},
        BadBlock{"Element151", listOf({31, 32, 151}), 3, 16, "CardList(2) = Integer 151"},
        BadBlock{"ElementText",
                 Variant::fromArray({Variant::fromInteger(31), Variant::fromString("x")}), 2, 16,
                 "CardList(1)"},
        BadBlock{"ElementRepeated", listOf({31, 32, 31}), 3, 16, "CardList(2)"},
        BadBlock{"ColumnTallerThanSixteenBits", listOf({31, 32}), 2, 32767, "column height", false},
        BadBlock{"TopCardPastSixteenBits", listOf({31, 32}), 2, 32671, "top card y", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dorvik::test
