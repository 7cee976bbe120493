#include "host/settingsfile.h"
#include "tests/gdi/specialfiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <ostream>
#include <string>
#include <sys/resource.h>

using halvane::HostSettings;
using halvane::LoadSettings;
using halvane::SaveSettings;
using halvane::SettingsError;

namespace {

// Table rows print as their names in test output.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

const auto rowName = [](const auto& info) { return std::string(info.param.name); };

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

HostSettings typical() {
    HostSettings s;
    s.DeckNames = {"Standard", "Old West"};
    s.DeckFiles = {"Standard.bmp", "west.bmp"};
    s.GameNames = {"Klondike"};
    s.GamePlugins = {"Klondike"};
    s.CurrentDeckFile = "Standard.bmp";
    s.CurrentGameName = "Klondike";
    s.CurrentGamePlugin = "Klondike";
    s.WebSite = QStringLiteral("www.example.org caf\u00e9");
    return s;
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path() const { return m_dir.filePath(QStringLiteral("solitaire.ini")); }

    // Loads `bytes` as the settings file; the error message, or "" when it loaded.
    std::string load(const QByteArray& bytes, HostSettings& settings, std::int16_t& back) {
        writeBytes(path(), bytes);
        try {
            LoadSettings(path(), settings, back);
            return {};
        } catch (const SettingsError& error) {
            return error.what();
        }
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsFileTest, WritesTheKnownLayoutByteForByte) {
    SaveSettings(path(), typical(), 3);
    EXPECT_EQ(readBytes(path()), QByteArray("[Decks]\r\n"
                                            "Standard=Standard.bmp\r\n"
                                            "Old West=west.bmp\r\n"
                                            "-\r\n"
                                            "[Games]\r\n"
                                            "Klondike=Klondike\r\n"
                                            "-\r\n"
                                            "[Current Deck]\r\n"
                                            "Standard.bmp\r\n"
                                            "[Current Game]\r\n"
                                            "Klondike=Klondike\r\n"
                                            "[WebSite]\r\n"
                                            "www.example.org caf\xe9\r\n"
                                            "[Card Back]\r\n"
                                            " 3 \r\n"
                                            "\r\n"));
}

struct BackLayoutRow {
    const char* name;
    std::int16_t back;
    const char* line;
};
class BackNumberLayout : public SettingsFileTest,
                         public testing::WithParamInterface<BackLayoutRow> {};
TEST_P(BackNumberLayout, HasABlankForThePlusSignAndOneAfter) {
    SaveSettings(path(), HostSettings(), GetParam().back);
    const QByteArray expected = QByteArray("[Card Back]\r\n") + GetParam().line + "\r\n\r\n";
    EXPECT_TRUE(readBytes(path()).endsWith(expected)) << readBytes(path()).toStdString();
}
INSTANTIATE_TEST_SUITE_P(Table, BackNumberLayout,
                         testing::Values(BackLayoutRow{"Zero", 0, " 0 "},
                                         BackLayoutRow{"MinusTwo", -2, "-2 "},
                                         BackLayoutRow{"Smallest", -32768, "-32768 "}),
                         rowName);

TEST_F(SettingsFileTest, EmptyListsAreTheHeaderFollowedByTheTerminator) {
    SaveSettings(path(), HostSettings(), 1);
    EXPECT_TRUE(readBytes(path()).startsWith("[Decks]\r\n-\r\n[Games]\r\n-\r\n[Current Deck]\r\n"
                                             "\r\n[Current Game]\r\n=\r\n"));
}

struct RoundTripRow {
    const char* name;
    HostSettings settings;
    std::int16_t back;
};
class RoundTrip : public SettingsFileTest, public testing::WithParamInterface<RoundTripRow> {};
TEST_P(RoundTrip, ReadsBackWhatWasWritten) {
    SaveSettings(path(), GetParam().settings, GetParam().back);
    HostSettings read;
    read.InstallDir = QStringLiteral("/kept");
    std::int16_t back = 99;
    LoadSettings(path(), read, back);
    HostSettings expected = GetParam().settings;
    expected.InstallDir = QStringLiteral("/kept");
    EXPECT_EQ(read, expected);
    EXPECT_EQ(back, GetParam().back);
}

HostSettings awkward() {
    HostSettings s;
    s.DeckNames = {"", " Blank Edges ", "x", ""};
    s.DeckFiles = {"", "a b.bmp", "b=c=d", "=starts with equals"};
    s.GameNames = {"[Games]", "-"};
    s.GamePlugins = {"-", "[Decks]"};
    s.CurrentDeckFile = "-";
    s.CurrentGameName = " ";
    s.CurrentGamePlugin = "p=q";
    s.WebSite = "[Card Back]";
    return s;
}

HostSettings withControlCharacters() {
    HostSettings s;
    s.WebSite = QStringLiteral("ends in a carriage return\r");
    s.CurrentDeckFile = QStringLiteral("tab\there\u00ff");
    return s;
}

HostSettings fullLists() {
    HostSettings s;
    for (int i = 0; i < HostSettings::MaxEntries; ++i) {
        s.DeckNames.append(QString::number(i));
        s.DeckFiles.append(QStringLiteral("d%1.bmp").arg(i));
    }
    s.GameNames = s.DeckNames;
    s.GamePlugins = s.DeckFiles;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundTrip,
    testing::Values(RoundTripRow{"Typical", typical(), 3}, RoundTripRow{"Empty", HostSettings(), 0},
                    RoundTripRow{"BlanksEqualsAndHeaderLikeValues", awkward(), -2},
                    RoundTripRow{"ControlAndLatin1Characters", withControlCharacters(), 8},
                    RoundTripRow{"ListsAtTheLimit", fullLists(), 32767}),
    rowName);

TEST_F(SettingsFileTest, ANameWithEqualsMovesIntoTheValueOnReload) {
    HostSettings s;
    s.DeckNames = {"a=b"};
    s.DeckFiles = {"c"};
    SaveSettings(path(), s, 1);
    HostSettings read;
    std::int16_t back = 0;
    LoadSettings(path(), read, back);
    EXPECT_EQ(read.DeckNames, QStringList{"a"});
    EXPECT_EQ(read.DeckFiles, QStringList{"b=c"});
}

// Reading: what a file gives, as the fields that differ from an empty HostSettings.
struct ReadRow {
    const char* name;
    QByteArray file;
    HostSettings expected;
    std::int16_t back;
};
class Reading : public SettingsFileTest, public testing::WithParamInterface<ReadRow> {};
TEST_P(Reading, GivesTheExpectedValues) {
    HostSettings read;
    std::int16_t back = 77;
    ASSERT_EQ(load(GetParam().file, read, back), "");
    EXPECT_EQ(read, GetParam().expected);
    EXPECT_EQ(back, GetParam().back);
}

HostSettings decks(QStringList names, QStringList files) {
    HostSettings s;
    s.DeckNames = std::move(names);
    s.DeckFiles = std::move(files);
    return s;
}
HostSettings games(QStringList names, QStringList plugins) {
    HostSettings s;
    s.GameNames = std::move(names);
    s.GamePlugins = std::move(plugins);
    return s;
}
HostSettings webSite(const QString& text) {
    HostSettings s;
    s.WebSite = text;
    return s;
}
HostSettings anyOrder() {
    HostSettings s = games({"K"}, {"Klondike"});
    s.DeckNames = {"S"};
    s.DeckFiles = {"S.bmp"};
    s.CurrentDeckFile = "S.bmp";
    s.CurrentGameName = "K";
    s.CurrentGamePlugin = "Klondike";
    s.WebSite = "w";
    return s;
}

QByteArray back(const char* line) {
    return QByteArray("[Card Back]\r\n") + line + "\r\n\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reading,
    testing::Values(
        ReadRow{"SplitAtTheFirstEquals", "[Decks]\r\na=b=c\r\n=x\r\ny=\r\n-\r\n\r\n",
                decks({"a", "", "y"}, {"b=c", "x", ""}), 0},
        ReadRow{"EmptyLists", "[Decks]\r\n-\r\n[Games]\r\n-\r\n\r\n", HostSettings(), 0},
        ReadRow{"BlankAndUnknownLinesSkipped",
                "\r\nhello\r\n[Unknown]\r\nstuff=1\r\n[WebSite]\r\nsite\r\n\r\n", webSite("site"),
                0},
        ReadRow{"CaseOrBlanksMakeNoHeader",
                "[website]\r\nx\r\n[ WebSite]\r\ny\r\n[WebSite] \r\nz\r\n[DECKS]\r\n\r\n",
                HostSettings(), 0},
        ReadRow{"BackWithBlanks", back(" 3 "), HostSettings(), 3},
        ReadRow{"BackHalfToEvenDown", back("2.5"), HostSettings(), 2},
        ReadRow{"BackHalfToEvenUp", back("3.5"), HostSettings(), 4},
        ReadRow{"BackLetters", back("abc"), HostSettings(), 0},
        ReadRow{"BackTabAndNegative", back("\t-2 "), HostSettings(), -2},
        ReadRow{"BackNumberThenText", back("7 cards"), HostSettings(), 7},
        ReadRow{"BackExponent", back("1.5e1"), HostSettings(), 15},
        ReadRow{"BackNegativeHalf", back("-0.5"), HostSettings(), 0},
        ReadRow{"SecondDecksSkipped",
                "[Decks]\r\na=1\r\n-\r\n[Decks]\r\nb=2\r\nno equals\r\n-\r\n\r\n",
                decks({"a"}, {"1"}), 0},
        ReadRow{"SecondGamesSkipped", "[Games]\r\n-\r\n[Games]\r\nk=K\r\n-\r\n\r\n", HostSettings(),
                0},
        ReadRow{"NoClosingLine", "[Card Back]\r\n 3 \r\n", HostSettings(), 3},
        ReadRow{"NoFinalLineEnd", "[Card Back]\r\n 3 ", HostSettings(), 3},
        ReadRow{"LastLineInterpretedWithoutClosingLine", "[Decks]\r\n-\r\n[WebSite]\r\nsite",
                webSite("site"), 0},
        ReadRow{"LineFeedsOnly", "[Games]\nk=K\n-\n[Card Back]\n 5 \n\n", games({"k"}, {"K"}), 5},
        ReadRow{"SectionsInAnyOrder",
                "[Card Back]\r\n2\r\n[WebSite]\r\nw\r\n[Current Game]\r\nK=Klondike\r\n"
                "[Current Deck]\r\nS.bmp\r\n[Games]\r\nK=Klondike\r\n-\r\n[Decks]\r\nS=S.bmp\r\n"
                "-\r\n\r\n",
                anyOrder(), 2},
        ReadRow{"ValueThatLooksLikeAHeader", "[WebSite]\r\n[Decks]\r\n\r\n", webSite("[Decks]"), 0},
        ReadRow{"LaterSingleValueWins", "[WebSite]\r\na\r\n[WebSite]\r\nb\r\n\r\n", webSite("b"),
                0},
        ReadRow{"Latin1Bytes", "[WebSite]\r\nCaf\xe9\r\n\r\n", webSite(QStringLiteral("Caf\u00e9")),
                0},
        ReadRow{"EmptyFile", "", HostSettings(), 0},
        ReadRow{"OnlyAClosingLine", "\r\n", HostSettings(), 0}),
    rowName);

TEST_F(SettingsFileTest, ListsStartEmptyAndInstallDirIsKept) {
    HostSettings settings = typical();
    settings.InstallDir = QStringLiteral("/home/u/table");
    std::int16_t back = 5;
    ASSERT_EQ(load("[WebSite]\r\nw\r\n\r\n", settings, back), "");
    EXPECT_EQ(settings.InstallDir, QStringLiteral("/home/u/table"));
    EXPECT_EQ(settings.DeckCount(), 0);
    EXPECT_EQ(settings.GameCount(), 0);
    EXPECT_EQ(settings.CurrentDeckFile, QString());
    EXPECT_EQ(back, 0);
}

QByteArray manyDecks(int count) {
    QByteArray file("[Decks]\r\n");
    for (int i = 0; i < count; ++i)
        file += "d" + QByteArray::number(i) + "=f\r\n";
    return file + "-\r\n\r\n";
}

// What each message ends in: what the lines after the header should read.
const std::string DecksHint =
    "; after a line [Decks] come lines deck name=deck picture file, then a line \"-\"";
const std::string GamesHint =
    "; after a line [Games] come lines game name=plug-in name, then a line \"-\"";
const std::string CurrentGameHint = "; after a line [Current Game] comes one line game "
                                    "name=plug-in name, such as \"Klondike=Klondike\"";
const std::string CurrentDeckHint = "; after a line [Current Deck] comes one line with the deck "
                                    "picture file, such as \"Standard.bmp\"";
const std::string WebSiteHint =
    "; after a line [WebSite] comes one line of free text, the web site";
const std::string CardBackHint =
    "; after a line [Card Back] comes one line with the card back number, such as \" 1 \"";

// A malformed file: the message after "<path> ", and nothing changes.
struct MalformedRow {
    const char* name;
    QByteArray file;
    std::string message;
};
class Malformed : public SettingsFileTest, public testing::WithParamInterface<MalformedRow> {};
TEST_P(Malformed, RaisesNamingFileLineAndProblem) {
    HostSettings settings = typical();
    std::int16_t back = 6;
    EXPECT_EQ(load(GetParam().file, settings, back),
              path().toStdString() + " " + GetParam().message);
    EXPECT_EQ(settings, typical());
    EXPECT_EQ(back, 6);
}
INSTANTIATE_TEST_SUITE_P(
    Table, Malformed,
    testing::Values(
        MalformedRow{"EntryWithoutEquals", "[Decks]\r\nStandard\r\n-\r\n\r\n",
                     "line 2: entry \"Standard\" in [Decks] has no \"=\"" + DecksHint},
        MalformedRow{"BlankEntryInList", "[Decks]\r\n-\r\n[Games]\r\na=b\r\n\r\n-\r\n\r\n",
                     "line 5: entry \"\" in [Games] has no \"=\"" + GamesHint},
        MalformedRow{"HeaderInsideList", "[Decks]\r\n[Games]\r\n-\r\n\r\n",
                     "line 2: entry \"[Games]\" in [Decks] has no \"=\"" + DecksHint},
        MalformedRow{
            "LongEntryCutInMessage", "[Decks]\r\n" + QByteArray(100, 'x') + "\r\n-\r\n\r\n",
            std::string(
                "line 2: entry \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                "...\" in [Decks] has no \"=\"") +
                DecksHint},
        MalformedRow{"DecksWithoutTerminator", "[Decks]\r\na=b\r\n\r\n",
                     "line 1: the file ends inside [Decks]: no \"-\" terminator" + DecksHint},
        MalformedRow{"GamesWithoutTerminator", "[Decks]\r\n-\r\n[Games]\r\nK=K\r\n",
                     "line 3: the file ends inside [Games]: no \"-\" terminator" + GamesHint},
        MalformedRow{"CurrentGameWithoutEquals", "[Current Game]\r\nKlondike\r\n\r\n",
                     "line 2: [Current Game] value \"Klondike\" has no \"=\"" + CurrentGameHint},
        MalformedRow{"WebSiteAtTheEnd", "[Decks]\r\n-\r\n[WebSite]\r\n",
                     "line 3: the file ends inside [WebSite]: the value line is missing" +
                         WebSiteHint},
        MalformedRow{"OnlyTheClosingLineAfterWebSite", "[WebSite]\r\n\r\n",
                     "line 1: the file ends inside [WebSite]: the value line is missing" +
                         WebSiteHint},
        MalformedRow{"CardBackAtTheEnd", "[Card Back]\r\n\r\n",
                     "line 1: the file ends inside [Card Back]: the value line is missing" +
                         CardBackHint},
        MalformedRow{"CurrentDeckAtTheEnd", "[Current Deck]",
                     "line 1: the file ends inside [Current Deck]: the value line is missing" +
                         CurrentDeckHint},
        MalformedRow{"CurrentGameAtTheEnd", "[Current Game]\n\n",
                     "line 1: the file ends inside [Current Game]: the value line is missing" +
                         CurrentGameHint},
        MalformedRow{"BackTooLarge", "[WebSite]\r\nw\r\n[Card Back]\r\n99999\r\n\r\n",
                     "line 4: [Card Back] value 99999 is outside -32768 to 32767" + CardBackHint},
        MalformedRow{"BackTooSmall", back("-32769"),
                     "line 2: [Card Back] value -32769 is outside -32768 to 32767" + CardBackHint},
        MalformedRow{"BackRoundsOutOfRange", back(" 32767.5"),
                     "line 2: [Card Back] value 32767.5 is outside -32768 to 32767" + CardBackHint},
        MalformedRow{"BackHugeExponent", back("1e999"),
                     "line 2: [Card Back] value 1e999 is outside -32768 to 32767" + CardBackHint},
        MalformedRow{"TooManyEntries", manyDecks(HostSettings::MaxEntries + 1),
                     "line 32769: [Decks] has more than 32767 entries"}),
    rowName);

// Start-up needs more than a readable file: something in it, the sections that say what
// to start, and a plug-in to create. The message after "<path> "; "" when it loads.
struct StartRow {
    const char* name;
    QByteArray file;
    std::string message;
};
QByteArray startFile(const QByteArray& currentGame = "K=Klondike",
                     const QByteArray& skipped = QByteArray()) {
    QByteArray file;
    for (const QByteArray& section :
         {QByteArray("[Decks]\r\nS=S.bmp\r\n-\r\n"), QByteArray("[Games]\r\nK=Klondike\r\n-\r\n"),
          QByteArray("[Current Deck]\r\nS.bmp\r\n"), "[Current Game]\r\n" + currentGame + "\r\n"}) {
        if (skipped.isEmpty() || !section.startsWith(skipped))
            file += section;
    }
    return file + "\r\n";
}
class StartUp : public SettingsFileTest, public testing::WithParamInterface<StartRow> {};
TEST_P(StartUp, NeedsTheSectionsThatSayWhatToStart) {
    writeBytes(path(), GetParam().file);
    HostSettings settings = typical();
    std::int16_t back = 6;
    std::string message;
    try {
        LoadSettings(path(), settings, back, halvane::SettingsUse::StartUp);
    } catch (const SettingsError& error) {
        message = error.what();
    }
    if (GetParam().message.empty()) {
        EXPECT_EQ(message, "");
        EXPECT_EQ(settings.CurrentGamePlugin, "Klondike");
        return;
    }
    EXPECT_EQ(message, path().toStdString() + " " + GetParam().message);
    EXPECT_EQ(settings, typical());
    // Read as found, the same file gives no error: only start-up asks for more.
    EXPECT_NO_THROW(LoadSettings(path(), settings, back));
}
const std::string EmptyMessage = "is empty; it should hold the sections [Decks], [Games], "
                                 "[Current Deck], [Current Game], [WebSite] and [Card Back]";
INSTANTIATE_TEST_SUITE_P(
    Table, StartUp,
    testing::Values(StartRow{"Complete", startFile(), ""}, StartRow{"EmptyFile", "", EmptyMessage},
                    StartRow{"OnlyAClosingLine", "\r\n", EmptyMessage},
                    StartRow{"NoCurrentGame", startFile("", "[Current Game]"),
                             "has no line [Current Game] in its 8 lines" + CurrentGameHint},
                    StartRow{"NoCurrentDeck", startFile("K=Klondike", "[Current Deck]"),
                             "has no line [Current Deck] in its 8 lines" + CurrentDeckHint},
                    StartRow{"NoDecks", startFile("K=Klondike", "[Decks]"),
                             "has no line [Decks] in its 7 lines" + DecksHint},
                    StartRow{"GarbledBytes", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                             "has no line [Decks] in its 3 lines" + DecksHint},
                    StartRow{"NoPluginName", startFile("Klondike="),
                             "line 10: the [Current Game] line names no plug-in" +
                                 CurrentGameHint}),
    rowName);

TEST_F(SettingsFileTest, MissingFileIsAnError) {
    HostSettings settings = typical();
    std::int16_t back = 2;
    try {
        LoadSettings(path(), settings, back);
        ADD_FAILURE() << "no error";
    } catch (const SettingsError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "cannot open " + path().toStdString() + ": file not found");
    }
    EXPECT_EQ(settings, typical());
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFileIsAnError) {
    ASSERT_TRUE(QDir().mkdir(path()));
    HostSettings settings;
    std::int16_t back = 0;
    try {
        LoadSettings(path(), settings, back);
        ADD_FAILURE() << "no error";
    } catch (const SettingsError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("cannot open " + path().toStdString() + ": ", 0),
                  0u)
            << error.what();
    }
}

// What is no ordinary settings file is refused before it is read: a FIFO would hang
// start-up, /dev/zero would fill the memory.
struct NotOrdinaryRow {
    const char* name;
    std::function<bool(const QString&)> make;
    const char* fault;
};
class NotOrdinary : public SettingsFileTest, public testing::WithParamInterface<NotOrdinaryRow> {};
TEST_P(NotOrdinary, IsRefusedNamingTheFile) {
    ASSERT_TRUE(GetParam().make(path()));
    HostSettings settings = typical();
    std::int16_t back = 2;
    std::string message;
    ASSERT_TRUE(gdi::test::returnsSoon(
        [&] {
            try {
                LoadSettings(path(), settings, back);
            } catch (const SettingsError& error) {
                message = error.what();
            }
        },
        path()));
    EXPECT_EQ(message, "cannot open " + path().toStdString() + ": " + GetParam().fault);
    EXPECT_EQ(settings, typical());
}
INSTANTIATE_TEST_SUITE_P(
    Rows, NotOrdinary,
    testing::Values(NotOrdinaryRow{"Fifo", gdi::test::makeFifo, "is not an ordinary file"},
                    NotOrdinaryRow{"LinkToDevZero", gdi::test::linkToDevZero,
                                   "is not an ordinary file"},
                    NotOrdinaryRow{"OverFourMebibytes",
                                   [](const QString& path) {
                                       QFile file(path);
                                       return file.open(QIODevice::WriteOnly) &&
                                              file.resize((4 << 20) + 1);
                                   },
                                   "too large (4194305 bytes, at most 4194304)"}),
    rowName);

// Saving what cannot be stored, or where nothing can be written, raises and leaves the
// previous file exactly as it was.
struct FailedSaveRow {
    const char* name;
    HostSettings settings;
    const char* messagePart;
};
class FailedSave : public SettingsFileTest, public testing::WithParamInterface<FailedSaveRow> {};
TEST_P(FailedSave, RaisesAndKeepsTheOldFile) {
    const QByteArray old = "[WebSite]\r\nold\r\n\r\n";
    writeBytes(path(), old);
    try {
        SaveSettings(path(), GetParam().settings, 1);
        ADD_FAILURE() << "no error";
    } catch (const SettingsError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("cannot save the settings to " + path().toStdString() + ": ", 0),
                  0u)
            << message;
        EXPECT_NE(message.find(GetParam().messagePart), std::string::npos) << message;
    }
    EXPECT_EQ(readBytes(path()), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"solitaire.ini"});
}

HostSettings lineBreakInWebSite() {
    HostSettings s;
    s.WebSite = "two\nlines";
    return s;
}
HostSettings notLatin1() {
    HostSettings s = decks({"ok", QStringLiteral("\u0160pade")}, {"a", "b"});
    return s;
}
HostSettings unevenLists() {
    return games({"a", "b"}, {"A"});
}
HostSettings hugeWebSite() {
    HostSettings s;
    s.WebSite = QString(4 << 20, QLatin1Char('w'));
    return s;
}
HostSettings overfull() {
    HostSettings s;
    for (int i = 0; i <= HostSettings::MaxEntries; ++i) {
        s.GameNames.append(QStringLiteral("g"));
        s.GamePlugins.append(QStringLiteral("G"));
    }
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FailedSave,
    testing::Values(
        FailedSaveRow{"LineBreak", lineBreakInWebSite(), "the web-site line holds a line break"},
        FailedSaveRow{"NotLatin1", notLatin1(),
                      "deck entry 2 holds the character \"\xc5\xa0\", which the settings file "
                      "cannot store"},
        FailedSaveRow{"UnevenLists", unevenLists(), "the game list has 2 names but 1 values"},
        FailedSaveRow{"TooManyEntries", overfull(),
                      "the game list has 32768 entries, more than 32767"},
        // A file the next start could not read back.
        FailedSaveRow{"LargerThanTheReaderTakes", hugeWebSite(),
                      "the file would take 4194398 bytes, more than the 4194304 that are read"}),
    rowName);

TEST_F(SettingsFileTest, SavingBelowARegularFileFailsNamingThePath) {
    const QString file = m_dir.filePath(QStringLiteral("plain"));
    writeBytes(file, "x");
    const QString inside = file + QStringLiteral("/solitaire.ini");
    try {
        SaveSettings(inside, typical(), 1);
        ADD_FAILURE() << "no error";
    } catch (const SettingsError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("cannot write " + inside.toStdString() + ": ", 0),
                  0u)
            << error.what();
    }
    EXPECT_EQ(readBytes(file), QByteArray("x"));
}

// A full disk, as the file-size limit makes it: the write fails part-way, and the old
// file must survive whole with no temporary file left beside it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

TEST_F(SettingsFileTest, AWriteCutShortKeepsTheOldFile) {
    const QByteArray old = "[WebSite]\r\nold\r\n\r\n";
    writeBytes(path(), old);
    const HostSettings big = fullLists(); // some 600 KB
    std::string message;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        try {
            SaveSettings(path(), big, 1);
        } catch (const SettingsError& error) {
            message = error.what();
        }
    }
    EXPECT_EQ(message.rfind("cannot write " + path().toStdString() + ": ", 0), 0u) << message;
    EXPECT_EQ(readBytes(path()), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"solitaire.ini"});
}

} // namespace

// The install template as the build ships it: the reader takes it as the writer would
// have written it, and writing those values back gives the same bytes.
TEST_F(SettingsFileTest, ShippedTemplateReadsAndWritesBackByteForByte) {
    const QString shipped = QStringLiteral(HALVANE_BUILD_DATA_DIR "/solitaire.ini");
    HostSettings settings;
    std::int16_t back = 0;
    LoadSettings(shipped, settings, back);

    EXPECT_EQ(settings.DeckFiles,
              QStringList({"Standard.bmp", "FourColour.bmp", "LargeIndex.bmp"}));
    EXPECT_EQ(settings.GameNames,
              QStringList({"Klondike", "FreeCell", "Spider", "Yukon", "Golf", "Pyramid",
                           "Forty Thieves", "Baker's Dozen", "Canfield"}));
    EXPECT_EQ(settings.GamePlugins,
              QStringList({"Klondike", "FreeCell", "Spider", "Yukon", "Golf", "Pyramid",
                           "FortyThieves", "BakersDozen", "Canfield"}));
    EXPECT_EQ(settings.CurrentDeckFile, "Standard.bmp");
    EXPECT_EQ(settings.CurrentGameName, "Klondike");
    EXPECT_EQ(settings.CurrentGamePlugin, "Klondike");
    EXPECT_EQ(back, 1);
    for (const QString& file : settings.DeckFiles) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(HALVANE_BUILD_DATA_DIR "/cards/") + file))
            << file.toStdString();
    }

    SaveSettings(path(), settings, back);
    EXPECT_EQ(readBytes(path()), readBytes(shipped));
}
