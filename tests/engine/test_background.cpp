// The table colour in the deck sheet: the black background joined to the grid's gaps
// takes the colour, again and again, and never runs into a face.

#include "engine/class1.h"
#include "engine/error.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <functional>

namespace dorvik::test {
namespace {

QRgb fromColorRef(std::uint32_t c) {
    return qRgb(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

std::uint32_t toColorRef(QRgb c) {
    return std::uint32_t(qRed(c)) | (std::uint32_t(qGreen(c)) << 8) |
           (std::uint32_t(qBlue(c)) << 16);
}

// `sheet` as it must look filled: every gap pixel and every corner joined to a gap in
// `color`, the sheet's very first corner (touching no gap) too; the pips stay black.
QImage filledSheet(const QImage& sheet, QRgb color) {
    QImage image = sheet.copy();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (x % 72 == 71 || y % 97 == 96) {
                image.setPixel(x, y, color);
            }
        }
    }
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 13; ++col) {
            const int x0 = col * 72;
            const int y0 = row * 97;
            const QPoint corners[4] = {{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}};
            for (const QPoint c : corners) {
                const int dx = c.x() == 0 ? 1 : -1;
                const int dy = c.y() == 0 ? 1 : -1;
                image.setPixel(x0 + c.x(), y0 + c.y(), color);
                image.setPixel(x0 + c.x() + dx, y0 + c.y(), color);
                image.setPixel(x0 + c.x(), y0 + c.y() + dy, color);
            }
        }
    }
    return image;
}

class Background : public Testbed {
protected:
    static QImage deck() { return imageOf(module1().DeckDC); }
};

struct Fill {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> steps;
    bool otherSheet;     // which sheet is loaded at the end
    std::uint32_t color; // the colour that must show; 0 for the sheet as loaded
    int scale = 1;       // table scale
};

class BackgroundFill : public Background, public testing::WithParamInterface<Fill> {};

TEST_P(BackgroundFill, ColoursExactlyTheJoinedBlackArea) {
    if (GetParam().scale != 1) {
        useScale(GetParam().scale);
    }
    GetParam().steps(m_engine, m_window);
    const QImage& sheet = GetParam().otherSheet ? m_other : m_sheet;
    const QImage expected =
        GetParam().color == 0 ? sheet : filledSheet(sheet, fromColorRef(GetParam().color));
    EXPECT_TRUE(SameImage(deck(), expected));
}

// A colour of the faces: the pixel right beside the second cell's top-left corner, so
// a fill that went by "this colour or black" would run into the face from there.
const std::uint32_t kFaceColour = toColorRef(makeSheet(0).pixel(74, 0));

INSTANTIATE_TEST_SUITE_P(Sequences, BackgroundFill,
                         testing::Values(Fill{"OnceAt2x",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                              },
                                              false, 0x00336699, 2},
                                         Fill{"TwiceRecoloursAt3x",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                                  e.SetBackground(0x00AABBCC);
                                              },
                                              false, 0x00AABBCC, 3},
                                         Fill{"Once",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                              },
                                              false, 0x00336699},
                                         Fill{"TwiceRecolours",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                                  e.SetBackground(0x00AABBCC);
                                              },
                                              false, 0x00AABBCC},
                                         Fill{"AFaceColourThenAnother",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(std::int32_t(kFaceColour));
                                                  e.SetBackground(0x00010203);
                                              },
                                              false, 0x00010203},
                                         Fill{"AFaceColourTwice",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(std::int32_t(kFaceColour));
                                                  e.SetBackground(std::int32_t(kFaceColour));
                                              },
                                              false, kFaceColour},
                                         Fill{"WhiteAfterAColour",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                                  e.SetBackground(0x00FFFFFF);
                                              },
                                              false, 0x00FFFFFF},
                                         Fill{"BlackRestoresTheSheet",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                                  e.SetBackground(0);
                                              },
                                              false, 0},
                                         Fill{"BeforeAnyDeckIsAppliedByInitializeDeck",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.SetBackground(0x00445566);
                                                  e.InitializeDeck(dc);
                                              },
                                              false, 0x00445566},
                                         Fill{"ReappliedBySetDeck",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00445566);
                                                  e.SetDeck("Other.bmp");
                                              },
                                              true, 0x00445566},
                                         Fill{"ReappliedBySetGraphics",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00445566);
                                                  e.SetGraphics(dc, "Other.bmp");
                                              },
                                              true, 0x00445566},
                                         Fill{"ReappliedAfterUnloadDeck",
                                              [](Class1& e, gdi::HDC dc) {
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00445566);
                                                  e.UnloadDeck();
                                                  e.InitializeDeck(dc);
                                              },
                                              false, 0x00445566},
                                         // The start reads the deck ahead with its
                                         // background: a load of that deck takes both,
                                         // a load of another reads its own.
                                         Fill{"ReadAheadAt2x",
                                              [](Class1& e, gdi::HDC dc) {
                                                  prefetchDeck(module1().CurrentDirectory,
                                                               "Standard.bmp", 2);
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                              },
                                              false, 0x00336699, 2},
                                         Fill{"ReadAheadForAnotherDeck",
                                              [](Class1& e, gdi::HDC dc) {
                                                  prefetchDeck(module1().CurrentDirectory,
                                                               "Other.bmp", 1);
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                              },
                                              false, 0x00336699},
                                         Fill{"ReadAheadThenSetDeck",
                                              [](Class1& e, gdi::HDC dc) {
                                                  prefetchDeck(module1().CurrentDirectory,
                                                               "Other.bmp", 1);
                                                  e.InitializeDeck(dc);
                                                  e.SetBackground(0x00336699);
                                                  e.SetDeck("Other.bmp");
                                              },
                                              true, 0x00336699},
                                         Fill{"NoColourLeavesTheSheetBlack",
                                              [](Class1& e, gdi::HDC dc) { e.InitializeDeck(dc); },
                                              false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Background, DealtCardsCarryTheTableColourInTheirCorners) {
    initialize();
    m_engine.SetBackground(0x00336699);
    m_engine.DealCard(m_window, 2, 100, 100);
    const QImage sheet = filledSheet(m_sheet, fromColorRef(0x00336699));
    const QImage expected =
        drawReference(tableBackground(kScreen), sheet, {{faceCell(1, 2), {100, 100}}});
    EXPECT_TRUE(SameImage(window(), expected));
    EXPECT_EQ(window().pixel(100, 100) & 0xffffff, fromColorRef(0x00336699) & 0xffffff);
}

struct BadColour {
    const char* name;
    std::int32_t color;
    const char* shown;
};

class BackgroundErrors : public Background, public testing::WithParamInterface<BadColour> {};

TEST_P(BackgroundErrors, RaiseAndKeepTheFill) {
    initialize();
    m_engine.SetBackground(0x00336699);
    try {
        m_engine.SetBackground(GetParam().color);
        FAIL() << "no error";
    } catch (const Error& e) {
        const std::string what = e.what();
        EXPECT_EQ(what.rfind("SetBackground", 0), 0u) << what;
        EXPECT_NE(what.find(GetParam().shown), std::string::npos) << what;
    }
    EXPECT_TRUE(SameImage(deck(), filledSheet(m_sheet, fromColorRef(0x00336699))));
}

INSTANTIATE_TEST_SUITE_P(Colours, BackgroundErrors,
                         testing::Values(BadColour{"SystemColour", std::int32_t(0x80000005),
                                                   "0x80000005"},
                                         BadColour{"HighByte", 0x01000000, "0x01000000"},
                                         BadColour{"MinusOne", -1, "0xffffffff"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dorvik::test
