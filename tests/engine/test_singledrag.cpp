// Dragging one card, judged by the outcome: after every calling order a game may use,
// the window and the table copy show exactly what dealing the cards afresh at their
// final places shows. Also the frames of a slide home, and errors.

#include "engine/class1.h"
#include "engine/error.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <functional>

namespace dorvik::test {
namespace {

// Card 2 lies alone at (300, 100) and is grabbed 10 pixels in; around it a lone card,
// a face-down card and a pile of two.
const std::vector<Deal> kTable = {
    {1, 100, 100}, {15, 100, 250, true}, {20, 400, 200}, {21, 400, 216}, {2, 300, 100}};

// kTable without `card`, then `card` at its final place on top.
std::vector<Deal> finalTable(int card, int x, int y, bool faceDown = false) {
    std::vector<Deal> deals;
    for (const Deal& d : kTable) {
        if (d.card != card) {
            deals.push_back(d);
        }
    }
    deals.push_back({card, x, y, faceDown});
    return deals;
}

void pick(Class1& e, gdi::HDC dc, float x, float y, int expected) {
    ASSERT_EQ(e.InitDrag(dc, x, y), Variant::fromInteger(std::int16_t(expected)));
}

class SingleDrag : public Testbed {};

struct Sequence {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> steps;
    std::vector<Deal> expected;
    int scale = 1; // table scale
};

void dragDropAndReturn(Class1& e, gdi::HDC dc) {
    pick(e, dc, 310, 110, 2);
    e.DoDrag(dc, 2, 330, 140);
    e.DoDrag(dc, 2, 510, 310);
    e.EndDrag(dc, 510, 310);
    e.ReturnDrag(dc, 2, 300, 100);
}

void dragAndDrop(Class1& e, gdi::HDC dc) {
    pick(e, dc, 310, 110, 2);
    e.DoDrag(dc, 2, 330, 140);
    e.DoDrag(dc, 2, 510, 310);
    e.EndDrag(dc, 510, 310);
}

class SingleDragOutcome : public Testbed, public testing::WithParamInterface<Sequence> {};

TEST_P(SingleDragOutcome, EqualsDealingAfresh) {
    if (GetParam().scale != 1) {
        useScale(GetParam().scale);
    }
    initialize();
    m_engine.SetCardIsBlocked(20, com::True);
    deal(kTable);
    GetParam().steps(m_engine, m_window);
    const QImage actualWindow = window();
    const QImage actualCopy = tableCopy();
    const Table expected = freshTable(GetParam().expected);
    EXPECT_TRUE(SameImage(actualWindow, expected.window)) << "window";
    EXPECT_TRUE(SameImage(actualCopy, expected.copy)) << "table copy";
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SingleDragOutcome,
    testing::Values(
        Sequence{"DragDropAndReturnAt2x", dragDropAndReturn, finalTable(2, 300, 100), 2},
        Sequence{"DragDropAndReturnAt3x", dragDropAndReturn, finalTable(2, 300, 100), 3},
        Sequence{"DragAndDropAt2x", dragAndDrop, finalTable(2, 500, 300), 2},
        Sequence{"Click",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.EndDrag(dc, 310, 110);
                 },
                 finalTable(2, 300, 100)},
        Sequence{"DragAndDrop",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 330, 140);
                     e.DoDrag(dc, 2, 510, 310);
                     e.EndDrag(dc, 510, 310);
                 },
                 finalTable(2, 500, 300)},
        Sequence{"DragDropAndReturn",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 330, 140);
                     e.DoDrag(dc, 2, 510, 310);
                     e.EndDrag(dc, 510, 310);
                     e.ReturnDrag(dc, 2, 300, 100);
                 },
                 finalTable(2, 300, 100)},
        Sequence{"DragAndReturn",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 330, 140);
                     e.DoDrag(dc, 2, 510, 310);
                     e.ReturnDrag(dc, 2, 300, 100);
                 },
                 finalTable(2, 300, 100)},
        Sequence{"ClickThenDragAway",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.EndDrag(dc, 310, 110);
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 510, 310);
                     e.EndDrag(dc, 510, 310);
                 },
                 finalTable(2, 500, 300)},
        Sequence{"ClickAndReturn",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.EndDrag(dc, 310, 110);
                     e.ReturnDrag(dc, 2, 300, 100);
                 },
                 finalTable(2, 300, 100)},
        Sequence{"RemoveAndReturnHome",
                 [](Class1& e, gdi::HDC dc) {
                     e.RemoveCard(dc, 2);
                     e.ReturnDrag(dc, 2, 300, 100);
                 },
                 finalTable(2, 300, 100)},
        Sequence{"RemoveAndReturnElsewhere",
                 [](Class1& e, gdi::HDC dc) {
                     e.RemoveCard(dc, 2);
                     e.ReturnDrag(dc, 2, 205, 383);
                 },
                 finalTable(2, 205, 383)},
        Sequence{"DropOnAnotherCard",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 125, 140);
                     EXPECT_EQ(e.EndDrag(dc, 125, 140), Variant::fromInteger(1));
                 },
                 finalTable(2, 115, 130)},
        Sequence{"DropOnAnotherCardAndReturn",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 125, 140);
                     e.EndDrag(dc, 125, 140);
                     e.ReturnDrag(dc, 2, 300, 100);
                 },
                 finalTable(2, 300, 100)},
        Sequence{"DoDragTwiceAtOnePlace",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 330, 140);
                     e.DoDrag(dc, 2, 330, 140);
                     e.EndDrag(dc, 330, 140);
                 },
                 finalTable(2, 320, 130)},
        Sequence{"ReturnTwice",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 510, 310);
                     e.EndDrag(dc, 510, 310);
                     e.ReturnDrag(dc, 2, 300, 100);
                     e.ReturnDrag(dc, 2, 300, 100);
                 },
                 finalTable(2, 300, 100)},
        Sequence{"FaceDownCard",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 110, 260, 15);
                     e.DoDrag(dc, 15, 210, 360);
                     e.EndDrag(dc, 210, 360);
                 },
                 finalTable(15, 200, 350, true)},
        Sequence{"TopOfAPile",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 410, 300, 21);
                     e.DoDrag(dc, 21, 560, 350);
                     e.EndDrag(dc, 560, 350);
                 },
                 finalTable(21, 550, 266)},
        Sequence{"PartlyOffTheTable",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 5, 470);
                     e.EndDrag(dc, 5, 470);
                     e.ReturnDrag(dc, 2, 600, -40);
                 },
                 finalTable(2, 600, -40)},
        Sequence{"TwoDragsInARow",
                 [](Class1& e, gdi::HDC dc) {
                     pick(e, dc, 310, 110, 2);
                     e.EndDrag(dc, 310, 110);
                     pick(e, dc, 310, 110, 2);
                     e.DoDrag(dc, 2, 510, 310);
                     e.EndDrag(dc, 510, 310);
                     pick(e, dc, 510, 310, 2);
                     e.DoDrag(dc, 2, 250, 420);
                     e.EndDrag(dc, 250, 420);
                     e.ReturnDrag(dc, 2, 300, 100);
                 },
                 finalTable(2, 300, 100)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SingleDrag, DoDragMovesTheCardOnTheWindowOnly) {
    initialize();
    deal(kTable);
    const QImage before = tableCopy();
    pick(m_engine, m_window, 310, 110, 2);
    m_engine.DoDrag(m_window, 2, 510, 310);
    // The table copy lost the card; the window shows it at the new place only.
    const Table withoutCard = freshTable(finalTable(2, -72, -97));
    EXPECT_TRUE(SameImage(tableCopy(), withoutCard.copy));
    EXPECT_NE(before, withoutCard.copy);
}

struct Slide {
    const char* name;
    QPoint from, to;
    long frames;
};

class ReturnFrames : public Testbed, public testing::WithParamInterface<Slide> {};

TEST_P(ReturnFrames, EachFrameIsFlushed) {
    initialize();
    const Slide& s = GetParam();
    deal({{2, s.from.x(), s.from.y()}});
    pick(m_engine, m_window, float(s.from.x() + 10), float(s.from.y() + 10), 2);
    m_engine.DoDrag(m_window, 2, std::int16_t(s.from.x() + 10), std::int16_t(s.from.y() + 10));
    const long before = gdi::FrameCount(m_window);
    m_engine.ReturnDrag(m_window, 2, std::int16_t(s.to.x()), std::int16_t(s.to.y()));
    EXPECT_EQ(gdi::FrameCount(m_window) - before, s.frames);
    EXPECT_EQ(m_engine.GetCardX(2), Variant::fromInteger(std::int16_t(s.to.x())));
    EXPECT_EQ(m_engine.GetCardY(2), Variant::fromInteger(std::int16_t(s.to.y())));
    // Home or not, the table copy holds the card at its place afterwards.
    EXPECT_TRUE(SameImage(tableCopy(), freshTable({{2, s.to.x(), s.to.y()}}).copy));
}

INSTANTIATE_TEST_SUITE_P(Slides, ReturnFrames,
                         testing::Values(Slide{"AlreadyHome", {200, 200}, {200, 200}, 0},
                                         Slide{"Across105", {305, 200}, {200, 200}, 10},
                                         Slide{"TwentyAndTwenty", {220, 220}, {200, 200}, 1},
                                         Slide{"NineteenRight", {181, 200}, {200, 200}, 19},
                                         Slide{"TwentyOneUp", {200, 221}, {200, 200}, 2},
                                         Slide{"AxesIndependent", {305, 245}, {200, 200}, 10},
                                         Slide{"LongWayDownAndLeft", {500, 10}, {100, 410}, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadDrag {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> call;
    const char* method;
    const char* detail;
};

class SingleDragErrors : public Testbed, public testing::WithParamInterface<BadDrag> {};

TEST_P(SingleDragErrors, RaiseAndDrawNothing) {
    initialize();
    deal({{2, 300, 100}});
    pick(m_engine, m_window, 350, 150, 2); // grabbed 50 in
    const QImage window0 = window();
    const QImage copy0 = tableCopy();
    try {
        GetParam().call(m_engine, m_window);
        FAIL() << "no error";
    } catch (const Error& e) {
        const std::string what = e.what();
        EXPECT_EQ(what.rfind(GetParam().method, 0), 0u) << what;
        EXPECT_NE(what.find(GetParam().detail), std::string::npos) << what;
    }
    EXPECT_TRUE(SameImage(window(), window0));
    EXPECT_TRUE(SameImage(tableCopy(), copy0));
    EXPECT_EQ(m_engine.GetCardX(2), Variant::fromInteger(300));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, SingleDragErrors,
    testing::Values(BadDrag{"DoDragCard0", [](Class1& e, gdi::HDC dc) { e.DoDrag(dc, 0, 10, 10); },
                            "DoDrag", "card number 0"},
                    BadDrag{"DoDragCard151",
                            [](Class1& e, gdi::HDC dc) { e.DoDrag(dc, 151, 10, 10); }, "DoDrag",
                            "card number 151"},
                    BadDrag{"DoDragWrapsLeft",
                            [](Class1& e, gdi::HDC dc) { e.DoDrag(dc, 2, -32768, 10); }, "DoDrag",
                            "-32818"},
                    BadDrag{"ReturnDragCardMinus1",
                            [](Class1& e, gdi::HDC dc) { e.ReturnDrag(dc, -1, 10, 10); },
                            "ReturnDrag", "card number -1"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dorvik::test
