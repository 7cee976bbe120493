// deckgen as the build runs it: clear refusals of bad arguments that leave no file
// behind, icons of every size, and deck pictures that a fresh drawing reproduces exactly.

#include "sheetimage.h"
#include "tools/deckgen/deckfonts.h"
#include "tools/deckgen/decksheet.h"
#include "tools/deckgen/deckstyle.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

using namespace halvane::deckgen;

namespace {

struct Refusal {
    const char* name;
    QStringList args; // "@" stands for the output file in a fresh directory
    int exitCode;
    const char* message;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.name;
}

class RefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, SaysWhatIsWrongAndWritesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath("out.bmp");
    QStringList args = GetParam().args;
    args.replaceInStrings("@", out);
    QProcess deckgen;
    deckgen.start(HALVANE_DECKGEN, args);
    ASSERT_TRUE(deckgen.waitForFinished(60000));
    EXPECT_EQ(deckgen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(deckgen.exitCode(), GetParam().exitCode);
    const QString error = QString::fromLocal8Bit(deckgen.readAllStandardError());
    EXPECT_TRUE(error.contains(QString(GetParam().message).replace("@", out))) << qPrintable(error);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, RefusalTest,
    testing::Values(
        Refusal{"NoArguments", {}, 2, "usage: deckgen"},
        Refusal{"UnknownCommand", {"draw", "Standard", "@"}, 2, "usage: deckgen"},
        Refusal{"TooManyArguments", {"sheet", "Standard", "@", "2", "extra"}, 2, "usage: deckgen"},
        Refusal{"ScaleNotANumber", {"sheet", "Standard", "@", "extra"}, 1, "scale \"extra\""},
        Refusal{"ScaleTooLarge", {"sheet", "Standard", "@", "5"}, 1, "scale \"5\" is not"},
        Refusal{"UnknownStyle", {"sheet", "Nope", "@"}, 1, "unknown deck style \"Nope\""},
        Refusal{"MissingFolder",
                {"sheet", "Standard", "@/none/x.bmp"},
                1,
                "cannot write \"@/none/x.bmp\""},
        Refusal{"IconSizeNotANumber", {"icon", "big", "@"}, 1, "icon size \"big\""},
        Refusal{"IconTooSmall", {"icon", "4", "@"}, 1, "icon size 4 outside"},
        Refusal{"IconTooLarge", {"icon", "5000", "@"}, 1, "icon size 5000 outside"}),
    [](const auto& info) { return std::string(info.param.name); });

class IconTest : public testing::TestWithParam<int> {};

TEST_P(IconTest, IsTwoCardsOnATransparentGround) {
    const int size = GetParam();
    const QString path = QString("%1/%2x%2/apps/halvane.png").arg(HALVANE_BUILD_ICON_DIR).arg(size);
    const QImage icon(path);
    ASSERT_FALSE(icon.isNull()) << qPrintable(path);
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << "corner " << corner.x();
    int opaque = 0, white = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb p = icon.pixel(x, y);
            opaque += qAlpha(p) == 255;
            white += qAlpha(p) == 255 && qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240;
        }
    EXPECT_GT(opaque, size * size / 3) << "the cards cover the middle";
    EXPECT_GT(white, size * size / 10) << "the cards are white";
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconTest, testing::Values(32, 48, 64, 128, 256));

class FreshDrawingTest : public testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test_deckgen";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv); // lives until the test program ends
    }
};

// The drawing is the same every time: a build that draws again gives the same files, and
// the built files are not stale.
TEST_P(FreshDrawingTest, ReproducesTheBuiltPicture) {
    const DeckFonts fonts;
    const DeckStyle style = DeckStyle::named(QString::fromStdString(GetParam()));
    const QImage drawn = DeckSheet(fonts, style).render();
    const deckgentest::SheetImage& built = deckgentest::builtSheet(GetParam());
    ASSERT_EQ(drawn.size(), QSize(built.width(), built.height()));
    int differ = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb p = drawn.pixel(x, y);
            const deckgentest::Rgb q = built.at(x, y);
            differ += qRed(p) != q.r || qGreen(p) != q.g || qBlue(p) != q.b;
        }
    EXPECT_EQ(differ, 0);
}

INSTANTIATE_TEST_SUITE_P(ShippedDecks, FreshDrawingTest,
                         testing::Values("Standard", "FourColour", "LargeIndex"),
                         [](const auto& info) { return info.param; });

} // namespace
