// Deck set-up: which sheet is loaded from where, the three surfaces and their lifetime,
// broken sheet files, switching decks.

#include "engine/class1.h"
#include "engine/error.h"
#include "engine/module1.h"
#include "tests/engine/testbed.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>

namespace dorvik::test {
namespace {

class DeckSetupTest : public Testbed {
protected:
    // Live contexts and bitmaps beyond the test's own window.
    int engineDCs() const { return gdi::LiveDCCount() - m_baseDCs; }
    int engineBitmaps() const { return gdi::LiveBitmapCount() - m_baseBitmaps; }

    void SetUp() override {
        Testbed::SetUp();
        m_baseDCs = gdi::LiveDCCount();
        m_baseBitmaps = gdi::LiveBitmapCount();
    }

    // What a deal of card 1 at (10, 10) shows: which sheet is in the deck surface.
    QImage dealtFace() {
        const gdi::HDC dc = newWindow();
        m_engine.DealCard(dc, 1, 10, 10);
        return imageOf(dc).copy(10, 10, kW, kH);
    }

    int m_baseDCs = 0;
    int m_baseBitmaps = 0;
};

struct DefaultName {
    const char* name;
    Variant fileN;
};

class DefaultSheet : public DeckSetupTest, public testing::WithParamInterface<DefaultName> {};

TEST_P(DefaultSheet, LoadsStandardBmp) {
    ASSERT_EQ(m_engine.InitializeDeck(m_window, GetParam().fileN), com::True);
    EXPECT_EQ(m_engine.GetCurrentDeck(), QStringLiteral("Standard.bmp"));
    EXPECT_TRUE(SameImage(dealtFace(), m_sheet.copy(0, 0, kW, kH)));
}

INSTANTIATE_TEST_SUITE_P(FileN, DefaultSheet,
                         testing::Values(DefaultName{"Omitted", Variant()},
                                         DefaultName{"EmptyString", Variant::fromString("")}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeckSetupTest, NamedSheetIsLoadedFromTheCardsFolder) {
    ASSERT_EQ(m_engine.InitializeDeck(m_window, Variant::fromString("Other.bmp")), com::True);
    EXPECT_EQ(m_engine.GetCurrentDeck(), QStringLiteral("Other.bmp"));
    EXPECT_TRUE(SameImage(dealtFace(), m_other.copy(0, 0, kW, kH)));
}

TEST_F(DeckSetupTest, SurfacesHaveTheirExtents) {
    initialize();
    EXPECT_EQ(gdi::GetSurfaceSize(module1().DeckDC), QSize(936, 485));
    EXPECT_EQ(gdi::GetSurfaceSize(module1().SaveUnderDC), QSize(936, 970));
    EXPECT_EQ(gdi::GetSurfaceSize(module1().TableCopyDC), kScreen);
}

TEST_F(DeckSetupTest, NewSurfacesShowNoUninitialisedMemory) {
    initialize();
    const QImage black = [] {
        QImage i(kScreen, QImage::Format_RGB32);
        i.fill(Qt::black);
        return i;
    }();
    EXPECT_TRUE(SameImage(tableCopy(), black));
    EXPECT_TRUE(AreaShows(saveUnder(), QRect(0, 0, 640, 480), black));
}

struct Lifetime {
    const char* name;
    std::function<void(Class1&, gdi::HDC)> steps;
    int surfaces; // live afterwards
};

class SurfaceLifetime : public DeckSetupTest, public testing::WithParamInterface<Lifetime> {};

TEST_P(SurfaceLifetime, LeavesExactlyTheSurfacesInUse) {
    GetParam().steps(m_engine, m_window);
    EXPECT_EQ(engineDCs(), GetParam().surfaces);
    EXPECT_EQ(engineBitmaps(), GetParam().surfaces);
    EXPECT_EQ(module1().SurfaceCount, GetParam().surfaces);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SurfaceLifetime,
    testing::Values(Lifetime{"InitializeOnce", [](Class1& e, gdi::HDC dc) { e.InitializeDeck(dc); },
                             3},
                    Lifetime{"InitializeTwice",
                             [](Class1& e, gdi::HDC dc) {
                                 e.InitializeDeck(dc);
                                 e.InitializeDeck(dc);
                             },
                             3},
                    Lifetime{"UnloadThenInitialize",
                             [](Class1& e, gdi::HDC dc) {
                                 e.InitializeDeck(dc);
                                 e.UnloadDeck();
                                 e.InitializeDeck(dc);
                             },
                             3},
                    Lifetime{"UnloadTwice",
                             [](Class1& e, gdi::HDC dc) {
                                 e.InitializeDeck(dc);
                                 e.UnloadDeck();
                                 e.UnloadDeck();
                             },
                             0},
                    Lifetime{"SetGraphicsAfterInitialize",
                             [](Class1& e, gdi::HDC dc) {
                                 e.InitializeDeck(dc);
                                 e.SetGraphics(dc, "Other.bmp");
                             },
                             3},
                    Lifetime{"SetDeckAndBackgroundsKeepTheCount",
                             [](Class1& e, gdi::HDC dc) {
                                 e.InitializeDeck(dc);
                                 e.SetDeck("Other.bmp");
                                 e.SetBackground(0x00336699);
                                 e.SetBackground(0x00112233);
                                 e.SetDeck("Standard.bmp");
                             },
                             3},
                    Lifetime{"SetDeckBeforeAnyInitialize",
                             [](Class1& e, gdi::HDC) { e.SetDeck("Other.bmp"); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeckSetupTest, ADeadScreenContextGivesNoSurfacesAndFalse) {
    m_engine.SetCardX(1, 5);
    EXPECT_EQ(m_engine.InitializeDeck(987654), com::False);
    EXPECT_EQ(engineDCs(), 0);
    EXPECT_EQ(engineBitmaps(), 0);
    EXPECT_EQ(module1().DeckDC, 0);
    // Drawing without surfaces draws nothing and raises nothing.
    m_engine.DealCard(m_window, 1, 10, 10);
    m_engine.ReDraw(m_window);
    EXPECT_TRUE(SameImage(window(), tableBackground(kScreen)));
}

TEST_F(DeckSetupTest, ReDrawBeforeAnyDeckChangesNothing) {
    m_engine.ReDraw(m_window);
    m_engine.TakeScreenShot(m_window);
    EXPECT_TRUE(SameImage(window(), tableBackground(kScreen)));
}

struct BadSheet {
    const char* name;
    const char* file; // in cards/
    QByteArray bytes; // written unless empty
    const char* ending = ""; // how the message ends, when the row says
};

class BrokenSheet : public DeckSetupTest, public testing::WithParamInterface<BadSheet> {
protected:
    void SetUp() override {
        DeckSetupTest::SetUp();
        if (!GetParam().bytes.isEmpty()) {
            writeFile(GetParam().file, GetParam().bytes);
        }
        initialize();
        m_engine.SetCardX(1, 10);
        m_engine.SetCardY(1, 10);
        m_engine.SetCardBack(5);
        m_dcs = module1().SurfaceDC;
    }
    void expectError(const std::function<void()>& call, const char* method) {
        try {
            call();
            ADD_FAILURE() << method << " raised nothing";
        } catch (const Error& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind(method, 0), 0u) << what;
            EXPECT_NE(what.find(GetParam().file), std::string::npos) << what;
            EXPECT_TRUE(QString::fromStdString(what).endsWith(GetParam().ending)) << what;
        }
    }
    // Nothing changed: same surfaces, same deck, same table.
    void expectUnchanged() {
        EXPECT_EQ(module1().SurfaceDC, m_dcs);
        EXPECT_EQ(m_engine.GetCurrentDeck(), QStringLiteral("Standard.bmp"));
        EXPECT_EQ(m_engine.GetCardX(1), Variant::fromInteger(10));
        EXPECT_EQ(module1().CardBack, 5);
        EXPECT_TRUE(SameImage(dealtFace(), m_sheet.copy(0, 0, kW, kH)));
    }
    std::vector<std::int32_t> m_dcs;
};

TEST_P(BrokenSheet, InitializeDeckRaisesAndChangesNothing) {
    expectError([&] { m_engine.InitializeDeck(m_window, Variant::fromString(GetParam().file)); },
                "InitializeDeck");
    expectUnchanged();
}

TEST_P(BrokenSheet, SetGraphicsRaisesAndChangesNothing) {
    expectError([&] { m_engine.SetGraphics(m_window, GetParam().file); }, "SetGraphics");
    expectUnchanged();
}

TEST_P(BrokenSheet, SetDeckRaisesAndChangesNothing) {
    expectError([&] { m_engine.SetDeck(GetParam().file); }, "SetDeck");
    expectUnchanged();
}

QByteArray sheetBmp(int variant) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    makeSheet(variant).save(&buffer, "BMP");
    return bytes;
}

QByteArray truncatedBmp() {
    const QByteArray bytes = sheetBmp(0);
    return bytes.left(bytes.size() / 2);
}

constexpr const char* kNotPlain = "(it may not hold \"/\", \"\\\", \"..\" or a NUL character)";

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenSheet,
    testing::Values(BadSheet{"Missing", "Missing.bmp", {}, "file not found"},
                    // Its content is not the user's to read in a message.
                    BadSheet{"NotAPicture", "Text.bmp", QByteArray("this is no picture\n"),
                             ": not a BMP picture"},
                    BadSheet{"Truncated", "Half.bmp", truncatedBmp()},
                    // A good sheet, but outside the cards folder.
                    BadSheet{"ParentFolder", "../Outside.bmp", sheetBmp(1), kNotPlain},
                    BadSheet{"CurrentFolderPrefix", "./Other.bmp", {}, kNotPlain},
                    BadSheet{"Backslash", "..\\Other.bmp", {}, kNotPlain}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeckSetupTest, SetDeckSwapsPicturesButNotTheRecordedDeck) {
    initialize();
    const std::int32_t deck = module1().DeckDC;
    m_engine.SetDeck("Other.bmp");
    EXPECT_EQ(module1().DeckDC, deck);
    EXPECT_EQ(m_engine.GetCurrentDeck(), QStringLiteral("Standard.bmp"));
    EXPECT_TRUE(SameImage(dealtFace(), m_other.copy(0, 0, kW, kH)));
    m_engine.SetCurrentDeck("Other.bmp");
    EXPECT_EQ(m_engine.GetCurrentDeck(), QStringLiteral("Other.bmp"));
}

TEST_F(DeckSetupTest, SetGraphicsAloneArmsTheSnapshotOfItsNewTableCopy) {
    initialize();
    m_engine.DealCard(m_window, 1, 10, 10);
    ASSERT_FALSE(module1().SnapshotPending);
    ASSERT_EQ(m_engine.SetGraphics(m_window, "Other.bmp"), com::True);
    EXPECT_TRUE(module1().SnapshotPending);
    EXPECT_EQ(m_engine.GetCurrentDeck(), QStringLiteral("Other.bmp"));
    // The next visible draw fills the new table copy from the window, card included.
    m_engine.DrawCard(m_window, 2, 200, 200);
    const QImage expected =
        drawReference(tableBackground(kScreen), m_sheet, {{faceCell(1, 1), {10, 10}}});
    const QImage withSecond = drawReference(expected, m_other, {{faceCell(1, 2), {200, 200}}});
    EXPECT_TRUE(SameImage(tableCopy(), withSecond));
}

TEST_F(DeckSetupTest, FileNThatIsNoTextRaisesNamingTheArgument) {
    const Variant array = Variant::fromArray({Variant::fromInteger(1)});
    try {
        m_engine.InitializeDeck(m_window, array);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("InitializeDeck", 0), 0u) << e.what();
        EXPECT_NE(std::string(e.what()).find("FileN"), std::string::npos) << e.what();
    }
}

// A deck at a table scale: its larger picture when that is sound, else the sheet
// enlarged; a card drawn shows exactly its cell of whichever it is.
struct LargerSheet {
    const char* name;
    int scale;
    std::function<QByteArray(const QImage& other)> picture; // Standard@<scale>x.png
    bool used;
};

void PrintTo(const LargerSheet& row, std::ostream* out) {
    *out << row.name;
}

QImage enlarged(const QImage& image, int scale) {
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class LargerSheets : public Testbed, public testing::WithParamInterface<LargerSheet> {};

TEST_P(LargerSheets, GiveTheCellsCardsAreDrawnFrom) {
    const LargerSheet& row = GetParam();
    // The larger picture is the other sheet, so it tells itself apart from the enlarged one.
    writeFile(QStringLiteral("Standard@%1x.png").arg(row.scale), row.picture(m_other));
    useScale(row.scale);
    testing::internal::CaptureStderr();
    initialize();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.empty(), row.used) << said;
    m_engine.DrawCard(m_window, 14, 100, 50);

    const QImage sheet = enlarged(row.used ? m_other : m_sheet, row.scale);
    const int s = row.scale;
    EXPECT_EQ(gdi::SurfaceImage(module1().DeckDC), sheet);
    EXPECT_TRUE(SameImage(gdi::SurfaceImage(m_window).copy(100 * s, 50 * s, kW * s, kH * s),
                          sheet.copy(0, 97 * s, kW * s, kH * s)));
}

INSTANTIATE_TEST_SUITE_P(
    Scales, LargerSheets,
    testing::Values(
        LargerSheet{"SoundAt2x", 2, [](const QImage& o) { return png(enlarged(o, 2)); }, true},
        LargerSheet{"SoundAt3x", 3, [](const QImage& o) { return png(enlarged(o, 3)); }, true},
        LargerSheet{"WrongSizeAt2x", 2, [](const QImage& o) { return png(enlarged(o, 3)); }, false},
        LargerSheet{"TruncatedAt2x", 2,
                    [](const QImage& o) { return png(enlarged(o, 2)).left(2000); }, false},
        LargerSheet{"NotAPictureAt3x", 3, [](const QImage&) { return QByteArray("GIF89a"); },
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

// The larger picture spares decoding the BMP, never checking it.
TEST_F(DeckSetupTest, ATruncatedBmpIsRefusedBesideASoundLargerPicture) {
    writeFile(QStringLiteral("Half.bmp"), truncatedBmp());
    writeFile(QStringLiteral("Half@2x.png"), png(enlarged(m_other, 2)));
    useScale(2);
    initialize();
    EXPECT_THROW(m_engine.SetDeck("Half.bmp"), Error);
    EXPECT_EQ(gdi::SurfaceImage(module1().DeckDC), enlarged(m_sheet, 2));
}

} // namespace
} // namespace dorvik::test
