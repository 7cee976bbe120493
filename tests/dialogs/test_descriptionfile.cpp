// Description files (".ini" decks, ".gme" games) as the choosers read them, and the
// rounding of the choosers' layouts.

#include "host/dialogs/descriptionfile.h"
#include "host/dialogs/twips.h"
#include "tests/gdi/specialfiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using halvane::DescriptionError;
using halvane::DescriptionFile;

namespace {

struct ParseRow {
    const char* name;
    QByteArray bytes;
    QString entryName;
    QString value;
    std::optional<QString> webSite;
};

class ParseTest : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseTest, SplitsTheEntryLineAndFindsTheWebSiteLine) {
    const ParseRow& row = GetParam();
    const DescriptionFile file = DescriptionFile::parse(row.bytes, "deck.ini");
    EXPECT_EQ(file.name, row.entryName);
    EXPECT_EQ(file.value, row.value);
    EXPECT_EQ(file.webSite, row.webSite);
}

const QString Site = QStringLiteral("www.example.org");

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseTest,
    testing::Values(
        ParseRow{"CrLf", "Blue=Blue.bmp\r\n", "Blue", "Blue.bmp", {}},
        ParseRow{"LfOnly", "Blue=Blue.bmp\nother\n", "Blue", "Blue.bmp", {}},
        ParseRow{"NoFinalLineEnd", "Blue=Blue.bmp", "Blue", "Blue.bmp", {}},
        ParseRow{"SecondEqualsStaysInValue", "a=b=c\r\n", "a", "b=c", {}},
        ParseRow{"LeadingEqualsGivesEmptyName", "=Blue.bmp\r\n", "", "Blue.bmp", {}},
        ParseRow{"TrailingEqualsGivesEmptyValue", "Blue=\r\n", "Blue", "", {}},
        ParseRow{"BlanksKept", " Blue Deck = Blue.bmp \r\n", " Blue Deck ", " Blue.bmp ", {}},
        ParseRow{"LoneCrInsideLineKept", "Bl\rue=x\r\n", "Bl\rue", "x", {}},
        ParseRow{"Latin1",
                 "Caf\xe9=C\xe9.bmp\r\n",
                 QString::fromUtf8("Café"),
                 QString::fromUtf8("Cé.bmp"),
                 {}},
        ParseRow{"WebSiteLine", "Blue=Blue.bmp\r\n[WebSite]\r\nwww.example.org\r\n", "Blue",
                 "Blue.bmp", Site},
        ParseRow{"WebSiteLineWithoutFinalLineEnd", "Blue=b\n[WebSite]\nwww.example.org", "Blue",
                 "b", Site},
        ParseRow{"EmptyWebSiteLine", "Blue=b\r\n[WebSite]\r\n\r\n", "Blue", "b", QString()},
        ParseRow{"LastMarkerWins", "B=b\r\n[WebSite]\r\none\r\nx\r\n[WebSite]\r\ntwo\r\n", "B", "b",
                 QStringLiteral("two")},
        ParseRow{"MarkerAfterMarkerIsText", "B=b\r\n[WebSite]\r\n[WebSite]\r\nlater\r\n", "B", "b",
                 QStringLiteral("[WebSite]")},
        ParseRow{"MarkerCaseMatters", "B=b\r\n[website]\r\nx\r\n", "B", "b", {}},
        ParseRow{"MarkerWithBlanksIsNoMarker", "B=b\r\n [WebSite]\r\nx\r\n", "B", "b", {}},
        ParseRow{"MarkerOnFirstLineIsTheEntry", "[WebSite]=x\r\ny\r\n", "[WebSite]", "x", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BrokenRow {
    const char* name;
    QByteArray bytes;
    const char* complaint;
};

class BrokenTest : public testing::TestWithParam<BrokenRow> {};

TEST_P(BrokenTest, IsRefusedNamingTheFileAndTheFault) {
    const BrokenRow& row = GetParam();
    try {
        DescriptionFile::parse(row.bytes, "/decks/broken.ini", "name=deck picture file");
        FAIL() << "accepted";
    } catch (const DescriptionError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("\"/decks/broken.ini\""), std::string::npos) << message;
        EXPECT_NE(message.find(row.complaint), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BrokenTest,
    testing::Values(BrokenRow{"Empty", "", "is empty"},
                    BrokenRow{"EmptyFirstLine", "\r\nBlue=Blue.bmp\r\n", "no \"=\""},
                    BrokenRow{"NoEquals", "Blue Blue.bmp\r\n",
                              "no \"=\" on its first line (\"Blue Blue.bmp\"), which must "
                              "read name=deck picture file"},
                    BrokenRow{"PlaceholdersInTheLineStayText", "Blue %2 %1\r\n",
                              "(\"Blue %2 %1\"), which must read name=deck"},
                    BrokenRow{"EndsWithMarker", "B=b\r\n[WebSite]\r\n", "on line 2"},
                    BrokenRow{"EndsWithMarkerNoLineEnd", "B=b\nx\n[WebSite]", "on line 3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DescriptionFileRead, ReadsAFileFromDisk) {
    QTemporaryDir dir;
    QFile file(dir.filePath("Red.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Red=Red.bmp\r\n[WebSite]\r\nred.example\r\n");
    file.close();
    const DescriptionFile read = DescriptionFile::read(file.fileName());
    EXPECT_EQ(read.name, "Red");
    EXPECT_EQ(read.value, "Red.bmp");
    EXPECT_EQ(read.webSite, QString("red.example"));
}

struct UnreadableRow {
    const char* name;
    const char* complaint;
};

class UnreadableTest : public testing::TestWithParam<UnreadableRow> {};

TEST_P(UnreadableTest, IsRefusedNamingTheFile) {
    QTemporaryDir dir;
    const std::string row = GetParam().name;
    QString path = dir.filePath("missing.ini");
    if (row == "Directory") {
        path = dir.path();
    } else if (row == "TooLarge") {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Big=big.bmp\r\n");
        file.write(QByteArray((1 << 20), 'x'));
    } else if (row == "Fifo") {
        ASSERT_TRUE(gdi::test::makeFifo(path));
    } else if (row == "LinkToDevZero") {
        ASSERT_TRUE(gdi::test::linkToDevZero(path));
    }
    QString message;
    ASSERT_TRUE(gdi::test::returnsSoon(
        [&] {
            try {
                DescriptionFile::read(path);
            } catch (const DescriptionError& e) {
                message = QString::fromUtf8(e.what());
            }
        },
        path));
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_TRUE(message.contains(GetParam().complaint)) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, UnreadableTest,
                         testing::Values(UnreadableRow{"Missing", "cannot be opened"},
                                         UnreadableRow{"Directory", "cannot be opened"},
                                         UnreadableRow{"TooLarge", "too large"},
                                         UnreadableRow{"Fifo", "is not an ordinary file"},
                                         UnreadableRow{"LinkToDevZero", "is not an ordinary file"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoundRow {
    const char* name;
    double value;
    int rounded;
};

class RoundTest : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(halvane::roundHalfEven(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundTest,
    testing::Values(RoundRow{"Whole", 212.0, 212}, RoundRow{"HalfDown", 212.5, 212},
                    RoundRow{"HalfUp", 213.5, 214}, RoundRow{"BelowHalf", 7.49, 7},
                    RoundRow{"AboveHalf", 7.51, 8}, RoundRow{"NegativeHalf", -2.5, -2},
                    RoundRow{"ZeroHalf", 0.5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
