// Which card a press picks (InitDrag) and which card a drop lands on (EndDrag,
// EndBlockDrag): bounds, covered strips, disabled and overlapping cards, parked cards.

#include "engine/class1.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace dorvik::test {
namespace {

class HitTest : public Testbed {};

// Every row starts from InitializeDeck (all cards parked at -72, -97) and places the
// cards it needs through the accessors.
using Layout = std::function<void(Class1&)>;

void place(Class1& e, int n, int x, int y) {
    e.SetCardX(std::int16_t(n), std::int16_t(x));
    e.SetCardY(std::int16_t(n), std::int16_t(y));
}

void lone(Class1& e) {
    place(e, 10, 100, 100);
}

void pileOf3(Class1& e) { // 20 under 21 under 22, each 16 rows lower
    place(e, 20, 200, 100);
    place(e, 21, 200, 116);
    place(e, 22, 200, 132);
    e.SetCardIsBlocked(20, com::True);
    e.SetCardIsBlocked(21, com::True);
}

void widePile(Class1& e) { // 23 shows 40 rows above 24
    e.SetOffset(40);
    place(e, 23, 300, 100);
    place(e, 24, 300, 140);
    e.SetCardIsBlocked(23, com::True);
}

void overlapping(Class1& e) { // 30 and 31 overlap on (130..140, 130..140)
    place(e, 31, 100, 100);
    place(e, 30, 120, 120);
}

void disabledOnTop(Class1& e) {
    place(e, 40, 100, 100);
    place(e, 41, 100, 100);
    e.SetCardDisabled(41, com::True);
}

struct Press {
    const char* name;
    Layout layout;
    float x, y;
    int picked;
    int grabX, grabY; // when picked
};

class InitDragPicks : public Testbed, public testing::WithParamInterface<Press> {};

TEST_P(InitDragPicks, TheTopmostEnabledCardUnderThePointer) {
    initialize();
    GetParam().layout(m_engine);
    module1().DragFirstMove = false;
    const Variant picked = m_engine.InitDrag(m_window, GetParam().x, GetParam().y);
    EXPECT_EQ(picked, Variant::fromInteger(std::int16_t(GetParam().picked)));
    EXPECT_EQ(module1().DragCard, GetParam().picked);
    EXPECT_EQ(module1().DragFirstMove, GetParam().picked != 0);
    if (GetParam().picked != 0) {
        EXPECT_EQ(module1().GrabOffsetX, GetParam().grabX);
        EXPECT_EQ(module1().GrabOffsetY, GetParam().grabY);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presses, InitDragPicks,
    testing::Values(Press{"Inside", lone, 130, 140, 10, 30, 40},
                    Press{"LeftColumnMisses", lone, 100, 140, 0, 0, 0},
                    Press{"JustRightOfLeftColumn", lone, 100.25f, 140, 10, 0, 40},
                    Press{"LastColumnHits", lone, 171, 140, 10, 71, 40},
                    Press{"PastLastColumnMisses", lone, 172, 140, 0, 0, 0},
                    Press{"TopRowMisses", lone, 130, 100, 0, 0, 0},
                    Press{"BottomRowHits", lone, 130, 196, 10, 30, 96},
                    Press{"PastBottomRowMisses", lone, 130, 197, 0, 0, 0},
                    Press{"GrabRoundsHalvesToEvenDown", lone, 110.5f, 120.5f, 10, 10, 20},
                    Press{"GrabRoundsHalvesToEvenUp", lone, 111.5f, 121.5f, 10, 12, 22},
                    Press{"CoveredCardInItsStrip", pileOf3, 210, 115, 20, 10, 15},
                    Press{"CoveredCardBelowItsStripGivesTheNext", pileOf3, 210, 117, 21, 10, 1},
                    Press{"CoveredStripIs16WhateverTheOffset", widePile, 310, 120, 0, 0, 0},
                    Press{"TopOfPileWholeFace", pileOf3, 210, 200, 22, 10, 68},
                    Press{"OverlapHighestNumberWins", overlapping, 135, 135, 31, 35, 35},
                    Press{"OverlapOnlyTheLowerNumber", overlapping, 180, 180, 30, 60, 60},
                    Press{"DisabledPassedOver", disabledOnTop, 130, 130, 40, 30, 30},
                    Press{"ParkedCardsNeverAtTheOrigin", lone, 0, 0, 0, 0, 0},
                    Press{"EmptyTable", lone, 400, 400, 0, 0, 0},
                    Press{"NotANumber", lone, std::numeric_limits<float>::quiet_NaN(), 140, 0, 0,
                          0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HitTest, InitDragThatPicksNothingKeepsTheArmedLift) {
    initialize();
    lone(m_engine);
    m_engine.InitDrag(m_window, 130, 140);
    ASSERT_TRUE(module1().DragFirstMove);
    EXPECT_EQ(m_engine.InitDrag(m_window, 400, 400), Variant::fromInteger(0));
    EXPECT_EQ(module1().DragCard, 0);
    EXPECT_TRUE(module1().DragFirstMove);
}

struct Drop {
    const char* name;
    Layout layout;
    int dragged; // DragCard, and the block's bottom card
    int x, y;
    int single; // EndDrag's answer
    int block;  // EndBlockDrag's answer
};

class DropTargets : public Testbed, public testing::WithParamInterface<Drop> {};

TEST_P(DropTargets, SkipTheDraggedAndCoveredCards) {
    initialize();
    GetParam().layout(m_engine);
    module1().DragCard = std::int16_t(GetParam().dragged);
    const Variant list =
        Variant::fromArray({Variant::fromInteger(std::int16_t(GetParam().dragged))});
    const auto x = std::int16_t(GetParam().x);
    const auto y = std::int16_t(GetParam().y);
    EXPECT_EQ(m_engine.EndBlockDrag(m_window, list, 1, x, y),
              Variant::fromInteger(std::int16_t(GetParam().block)));
    // EndDrag also deals the dragged card; its answer comes first.
    EXPECT_EQ(m_engine.EndDrag(m_window, x, y),
              Variant::fromInteger(std::int16_t(GetParam().single)));
}

void blockedOne(Class1& e) { // IsBlocked 1: not -1, but not 0 either
    place(e, 50, 100, 100);
    place(e, 51, 100, 100);
    e.SetCardIsBlocked(51, 1);
}

void dropScene(Class1& e) {
    place(e, 60, 300, 300); // the dragged card, lying over the others
    place(e, 5, 280, 280);
    place(e, 6, 280, 280);
    e.SetCardDisabled(6, com::True);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, DropTargets,
    testing::Values(Drop{"OnALoneCard", lone, 60, 130, 140, 10, 10},
                    Drop{"LeftColumnMisses", lone, 60, 100, 140, 0, 0},
                    Drop{"LastColumnHits", lone, 60, 171, 140, 10, 10},
                    Drop{"BottomRowHits", lone, 60, 130, 196, 10, 10},
                    Drop{"NeverTheDraggedCard", dropScene, 60, 360, 360, 0, 0},
                    Drop{"DisabledOnlyForBlocks", dropScene, 60, 290, 290, 6, 5},
                    Drop{"CoveredCardsSkipped", pileOf3, 60, 210, 110, 0, 0},
                    Drop{"TopOfPileTaken", pileOf3, 60, 210, 140, 22, 22},
                    Drop{"BlockedOneOnlySkippedBySingleDrops", blockedOne, 60, 130, 130, 50, 51},
                    Drop{"Nothing", lone, 60, 500, 400, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HitTest, EndBlockDragSkipsOnlyTheBottomCardOfItsOwnBlock) {
    initialize();
    place(m_engine, 70, 100, 100);
    place(m_engine, 71, 100, 116);
    module1().DragCard = 70;
    const Variant list = Variant::fromArray({Variant::fromInteger(70), Variant::fromInteger(71)});
    EXPECT_EQ(m_engine.EndBlockDrag(m_window, list, 2, 130, 150), Variant::fromInteger(71));
    EXPECT_EQ(m_engine.EndBlockDrag(m_window, list, 0, 130, 150), Variant::fromInteger(0));
}

TEST_F(HitTest, EndDragWithNothingPickedOnlyReports) {
    initialize();
    lone(m_engine);
    m_engine.TakeScreenShot(m_window);
    module1().DragCard = 0;
    EXPECT_EQ(m_engine.EndDrag(m_window, 130, 140), Variant::fromInteger(10));
    EXPECT_TRUE(SameImage(window(), tableBackground(kScreen)));
    EXPECT_TRUE(SameImage(tableCopy(), tableBackground(kScreen)));
}

} // namespace
} // namespace dorvik::test
