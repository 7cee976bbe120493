// Card drawing, pixel for pixel: which cell lands where in the window and in the table
// copy, save-under cells in both banks, deal and remove round trips, the snapshot and
// previews on other windows, clipping at the table's edges.

#include "engine/class1.h"
#include "engine/error.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <functional>

namespace dorvik::test {
namespace {

class Drawing : public Testbed {
protected:
    void SetUp() override {
        Testbed::SetUp();
        initialize();
        m_background = tableBackground(kScreen);
    }
    QImage m_background;
};

struct Picture {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> draw; // draws at (100, 50)
    QPoint cell;                                 // what must show there
    int scale = 1;                               // table scale
};

class PictureCells : public Drawing, public testing::WithParamInterface<Picture> {};

TEST_P(PictureCells, LandInWindowAndTableCopy) {
    if (GetParam().scale != 1) {
        useScale(GetParam().scale);
        initialize();
    }
    m_engine.TakeScreenShot(m_window); // symbols take no snapshot of their own
    GetParam().draw(m_engine, m_window);
    const QImage expected =
        drawReference(m_background, m_sheet, {{GetParam().cell, QPoint(100, 50)}});
    EXPECT_TRUE(SameImage(window(), expected));
    EXPECT_TRUE(SameImage(tableCopy(), expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PictureCells,
    testing::Values(
        Picture{"FaceOfCard1", [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 1, 100, 50); }, {0, 0}},
        Picture{
            "FaceOfCard14", [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 14, 100, 50); }, {0, 97}},
        Picture{"FaceOfCard104",
                [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 104, 100, 50); },
                {864, 291}},
        Picture{"FaceDownCardStillShowsItsFace",
                [](Class1& e, gdi::HDC dc) {
                    e.SetCardStatus(40, com::False);
                    e.DrawCard(dc, 40, 100, 50);
                },
                {0, 291}},
        Picture{"BackCardFollowsCardBack",
                [](Class1& e, gdi::HDC dc) {
                    e.SetCardBack(3);
                    e.DrawCard(dc, 105, 100, 50);
                },
                {720, 388}},
        Picture{"FurtherCard113",
                [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 113, 100, 50); },
                {72, 388}},
        Picture{"Back1", [](Class1& e, gdi::HDC dc) { e.DrawBack(dc, 1, 100, 50); }, {864, 388}},
        Picture{"FaceOfCard14At2x",
                [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 14, 100, 50); },
                {0, 97},
                2},
        Picture{
            "Back1At2x", [](Class1& e, gdi::HDC dc) { e.DrawBack(dc, 1, 100, 50); }, {864, 388}, 2},
        Picture{"Symbol1At3x",
                [](Class1& e, gdi::HDC dc) {
                    e.DrawSymbol(Variant::fromLong(dc), Variant::fromInteger(1),
                                 Variant::fromInteger(100), Variant::fromInteger(50));
                },
                {144, 388},
                3},
        Picture{"Back8", [](Class1& e, gdi::HDC dc) { e.DrawBack(dc, 8, 100, 50); }, {360, 388}},
        Picture{"Symbol1",
                [](Class1& e, gdi::HDC dc) {
                    e.DrawSymbol(Variant::fromLong(dc), Variant::fromInteger(1),
                                 Variant::fromInteger(100), Variant::fromInteger(50));
                },
                {144, 388}},
        Picture{"Symbol3FromOtherNumberTypes",
                [](Class1& e, gdi::HDC dc) {
                    e.DrawSymbol(Variant::fromLong(dc), Variant::fromSingle(3.0f),
                                 Variant::fromString("100"), Variant::fromLong(50));
                },
                {288, 388}},
        Picture{"DealSymbol2",
                [](Class1& e, gdi::HDC dc) {
                    e.DealSymbol(dc, 120, 2, 100, 50);
                    EXPECT_EQ(e.GetCardX(120), Variant::fromInteger(100));
                    EXPECT_EQ(e.GetCardY(120), Variant::fromInteger(50));
                },
                {216, 388}},
        Picture{"DealFaceUp",
                [](Class1& e, gdi::HDC dc) {
                    e.DealCard(dc, 27, 100, 50);
                    EXPECT_EQ(e.GetCardX(27), Variant::fromInteger(100));
                    EXPECT_EQ(e.GetCardY(27), Variant::fromInteger(50));
                },
                {0, 194}},
        Picture{"DealFaceDownShowsTheBack",
                [](Class1& e, gdi::HDC dc) {
                    e.SetCardBack(6);
                    e.SetCardStatus(27, com::False);
                    e.DealCard(dc, 27, 100, 50);
                },
                {504, 388}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Nothing {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> draw;
};

class DrawsNothing : public Drawing, public testing::WithParamInterface<Nothing> {};

TEST_P(DrawsNothing, LeavesWindowAndTableCopy) {
    m_engine.TakeScreenShot(m_window);
    GetParam().draw(m_engine, m_window);
    EXPECT_TRUE(SameImage(window(), m_background));
    EXPECT_TRUE(SameImage(tableCopy(), m_background));
}

Variant v(int n) {
    return Variant::fromInteger(std::int16_t(n));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, DrawsNothing,
    testing::Values(
        Nothing{"DrawCard0", [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 0, 10, 10); }},
        Nothing{"DrawCard151", [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 151, 10, 10); }},
        Nothing{"DrawSpareSlot", [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 130, 10, 10); }},
        Nothing{"DealSpareSlotFaceUp",
                [](Class1& e, gdi::HDC dc) {
                    e.SetCardStatus(130, com::True);
                    e.DealCard(dc, 130, 10, 10);
                }},
        Nothing{"Symbol0", [](Class1& e, gdi::HDC dc) { e.DrawSymbol(v(dc), v(0), v(10), v(10)); }},
        Nothing{"SymbolPastSixteenBits",
                [](Class1& e, gdi::HDC dc) {
                    e.DrawSymbol(v(dc), Variant::fromLong(65537), v(10), v(10));
                }},
        Nothing{"Symbol4", [](Class1& e, gdi::HDC dc) { e.DrawSymbol(v(dc), v(4), v(10), v(10)); }},
        Nothing{"BackOffTheSheet", [](Class1& e, gdi::HDC dc) { e.DrawBack(dc, 20, 10, 10); }},
        Nothing{"ParkedCardRemoved", [](Class1& e, gdi::HDC dc) { e.RemoveCard(dc, 5); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct SaveCell {
    const char* name;
    int card;
    QPoint cell; // in SaveUnderDC
};

class SaveUnderCells : public Drawing, public testing::WithParamInterface<SaveCell> {};

TEST_P(SaveUnderCells, HoldTheBackgroundAndGiveItBack) {
    const int n = GetParam().card;
    const QPoint at(150, 120);
    m_engine.DealCard(m_window, std::int16_t(n), std::int16_t(at.x()), std::int16_t(at.y()));
    const QImage under = m_background.copy(QRect(at, QSize(kW, kH)));
    EXPECT_TRUE(AreaShows(saveUnder(), QRect(GetParam().cell, QSize(kW, kH)), under));
    m_engine.RemoveCard(m_window, std::int16_t(n));
    EXPECT_TRUE(SameImage(window(), m_background));
    EXPECT_TRUE(SameImage(tableCopy(), m_background));
    // The record keeps its place.
    EXPECT_EQ(m_engine.GetCardX(std::int16_t(n)), Variant::fromInteger(std::int16_t(at.x())));
}

INSTANTIATE_TEST_SUITE_P(
    Banks, SaveUnderCells,
    testing::Values(SaveCell{"Card1", 1, {0, 0}}, SaveCell{"Card52", 52, {864, 291}},
                    SaveCell{"Card53", 53, {0, 485}}, SaveCell{"Card60", 60, {504, 485}},
                    SaveCell{"Card104", 104, {864, 776}}, SaveCell{"Card107", 107, {864, 873}},
                    SaveCell{"Card113", 113, {72, 873}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Drawing, RemovingTheTopOfAPileShowsTheCardBeneath) {
    m_engine.DealCard(m_window, 1, 100, 100);
    m_engine.DealCard(m_window, 2, 120, 116);
    m_engine.RemoveCard(m_window, 2);
    const QImage expected = drawReference(m_background, m_sheet, {{faceCell(1, 1), {100, 100}}});
    EXPECT_TRUE(SameImage(window(), expected));
    EXPECT_TRUE(SameImage(tableCopy(), expected));
}

struct Edge {
    const char* name;
    QPoint at;
    int scale = 1; // table scale
};

class Clipping : public Drawing, public testing::WithParamInterface<Edge> {};

TEST_P(Clipping, CardsPartlyOffTheTableDrawAndRemoveTheirVisiblePart) {
    if (GetParam().scale != 1) {
        useScale(GetParam().scale);
        initialize();
    }
    const QPoint at = GetParam().at;
    m_engine.DealCard(m_window, 5, std::int16_t(at.x()), std::int16_t(at.y()));
    const QImage expected = drawReference(m_background, m_sheet, {{faceCell(1, 5), at}});
    EXPECT_TRUE(SameImage(window(), expected));
    EXPECT_TRUE(SameImage(tableCopy(), expected));
    m_engine.RemoveCard(m_window, 5);
    EXPECT_TRUE(SameImage(window(), m_background));
    EXPECT_TRUE(SameImage(tableCopy(), m_background));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Clipping,
    testing::Values(Edge{"Left", {-30, 100}}, Edge{"Right", {600, 100}}, Edge{"Top", {100, -50}},
                    Edge{"Bottom", {100, 440}}, Edge{"TopLeft", {-70, -95}},
                    Edge{"BottomRight", {639, 479}}, Edge{"Parked", {-72, -97}},
                    Edge{"FarOff", {30000, -30000}}, Edge{"LeftAt2x", {-30, 100}, 2},
                    Edge{"BottomRightAt2x", {639, 479}, 2}, Edge{"TopLeftAt3x", {-70, -95}, 3},
                    Edge{"RightAt3x", {600, 100}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Drawing, TheFirstVisibleDrawCopiesTheWindowEvenForNoCard) {
    ASSERT_TRUE(module1().SnapshotPending);
    m_engine.DrawCard(m_window, 0, 10, 10);
    EXPECT_FALSE(module1().SnapshotPending);
    EXPECT_TRUE(SameImage(tableCopy(), m_background));
}

struct Preview {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> draw; // on the dialog
};

class PreviewOnADialog : public Drawing, public testing::WithParamInterface<Preview> {};

TEST_P(PreviewOnADialog, NeverBecomesTheTable) {
    QImage dialogPicture(300, 200, QImage::Format_RGB32);
    dialogPicture.fill(qRgb(1, 2, 3));
    const gdi::HDC dialog = newWindow(dialogPicture);
    GetParam().draw(m_engine, dialog);
    EXPECT_TRUE(module1().SnapshotPending);
    m_engine.DealCard(m_window, 1, 400, 300);
    const QImage expected = drawReference(m_background, m_sheet, {{faceCell(1, 1), {400, 300}}});
    EXPECT_TRUE(SameImage(tableCopy(), expected));
    m_engine.ReDraw(m_window);
    EXPECT_TRUE(SameImage(window(), expected));
    // The dialog shows its preview.
    EXPECT_NE(imageOf(dialog), dialogPicture);
}

INSTANTIATE_TEST_SUITE_P(
    Previews, PreviewOnADialog,
    testing::Values(Preview{"DeckPreview",
                            [](Class1& e, gdi::HDC dc) { e.DrawCard(dc, 40, 20, 40, com::True); }},
                    Preview{"BackPreviews",
                            [](Class1& e, gdi::HDC dc) {
                                for (int k = 1; k <= 8; ++k) {
                                    e.DrawBack(dc, std::int16_t(k), std::int16_t(k * 20), 10,
                                               com::True);
                                }
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Drawing, InvisibleDrawShowsOnlyUntilTheNextRedraw) {
    m_engine.TakeScreenShot(m_window);
    m_engine.DrawCard(m_window, 7, 200, 200, com::True);
    EXPECT_TRUE(AreaShows(window(), QRect(200, 200, kW, kH),
                          m_sheet.copy(QRect(faceCell(1, 7), QSize(kW, kH)))));
    EXPECT_TRUE(SameImage(tableCopy(), m_background));
    m_engine.ReDraw(m_window);
    EXPECT_TRUE(SameImage(window(), m_background));
}

TEST_F(Drawing, TakeScreenShotAdoptsTheWindowAndKeepsThePendingSnapshot) {
    m_engine.DrawCard(m_window, 7, 200, 200, com::True);
    m_engine.TakeScreenShot(m_window);
    EXPECT_TRUE(module1().SnapshotPending);
    EXPECT_TRUE(SameImage(tableCopy(), window()));
    const QImage before = window();
    m_engine.ReDraw(m_window);
    EXPECT_TRUE(SameImage(window(), before));
}

TEST_F(Drawing, SymbolsTakeNoSnapshot) {
    m_engine.DrawSymbol(v(m_window), v(1), v(10), v(10));
    EXPECT_TRUE(module1().SnapshotPending);
}

TEST_F(Drawing, ASecondWindowShowsTheSameTable) {
    m_engine.DealCard(m_window, 3, 50, 60);
    const gdi::HDC other = newWindow();
    m_engine.ReDraw(other);
    EXPECT_TRUE(SameImage(imageOf(other), window()));
}

struct BadCall {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> call;
    const char* method;
    const char* detail;
};

class DrawingErrors : public Drawing, public testing::WithParamInterface<BadCall> {};

TEST_P(DrawingErrors, RaiseNamingMethodAndValueAndDrawNothing) {
    m_engine.TakeScreenShot(m_window);
    try {
        GetParam().call(m_engine, m_window);
        FAIL() << "no error";
    } catch (const Error& e) {
        const std::string what = e.what();
        EXPECT_EQ(what.rfind(GetParam().method, 0), 0u) << what;
        EXPECT_NE(what.find(GetParam().detail), std::string::npos) << what;
    }
    EXPECT_TRUE(SameImage(window(), m_background));
    EXPECT_TRUE(SameImage(tableCopy(), m_background));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, DrawingErrors,
    testing::Values(
        BadCall{"DealCard0", [](Class1& e, gdi::HDC dc) { e.DealCard(dc, 0, 1, 1); }, "DealCard",
                "card number 0"},
        BadCall{"DealCard151", [](Class1& e, gdi::HDC dc) { e.DealCard(dc, 151, 1, 1); },
                "DealCard", "card number 151"},
        BadCall{"RemoveCardNegative", [](Class1& e, gdi::HDC dc) { e.RemoveCard(dc, -4); },
                "RemoveCard", "card number -4"},
        BadCall{"DealSymbol200", [](Class1& e, gdi::HDC dc) { e.DealSymbol(dc, 200, 1, 1, 1); },
                "DealSymbol", "card number 200"},
        BadCall{"BackCellPastSixteenBits",
                [](Class1& e, gdi::HDC dc) { e.DrawBack(dc, 500, 1, 1); }, "DrawBack", "35064"},
        BadCall{"DealOfABackCardWithAWildValue",
                [](Class1& e, gdi::HDC dc) {
                    e.SetCardBack(-1000); // Value 1014: its cell x is 72 x 1013
                    e.DealCard(dc, 106, 1, 1);
                },
                "DealCard", "72936"},
        BadCall{"SymbolPositionThatIsNoNumber",
                [](Class1& e, gdi::HDC dc) {
                    e.DrawSymbol(v(dc), v(1), Variant::fromString("left"), v(1));
                },
                "DrawSymbol", "nX"},
        BadCall{"SymbolPositionPastSixteenBits",
                [](Class1& e, gdi::HDC dc) {
                    e.DrawSymbol(v(dc), v(1), Variant::fromLong(40000), v(1));
                },
                "DrawSymbol", "nX"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dorvik::test
