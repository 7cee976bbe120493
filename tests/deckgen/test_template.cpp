// The install template: the default settings file in exactly the layout the host writes
// it, and description files that agree with it and with the drawn deck pictures. Each
// check runs on the files stored in data/ (git must keep their CR LF) and on the copies
// the build laid out.

#include "sheetimage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

struct Location {
    const char* name;
    const char* root;
};

void PrintTo(const Location& l, std::ostream* os) {
    *os << l.name;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + path.toStdString());
    return file.readAll();
}

// Lines of a file that must end every line with CR LF; fails the test on a bare CR or LF.
QList<QByteArray> crlfLines(const QByteArray& bytes, const QString& what) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            ADD_FAILURE() << qPrintable(what) << ": bare LF at byte " << i;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            ADD_FAILURE() << qPrintable(what) << ": bare CR at byte " << i;
        if (bytes[i] == '\n') {
            const bool cr = i > start && bytes[i - 1] == '\r';
            lines.append(bytes.mid(start, i - start - (cr ? 1 : 0)));
            start = i + 1;
        }
    }
    if (start != bytes.size())
        ADD_FAILURE() << qPrintable(what) << ": last line has no CR LF";
    return lines;
}

class TemplateTest : public testing::TestWithParam<Location> {
protected:
    QString path(const QString& relative) const {
        return QString(GetParam().root) + "/" + relative;
    }
    QStringList files(const QString& folder, const QString& pattern) const {
        return QDir(path(folder)).entryList({pattern}, QDir::Files, QDir::Name);
    }
    QList<QByteArray> settingsLines() const {
        return crlfLines(contents(path("solitaire.ini")), "solitaire.ini");
    }
    // The entries of the list section `header` in the settings file.
    QList<QByteArray> listSection(const QByteArray& header) const {
        const QList<QByteArray> lines = settingsLines();
        QList<QByteArray> entries;
        qsizetype i = lines.indexOf(header);
        if (i < 0)
            return entries;
        for (++i; i < lines.size() && lines[i] != "-"; ++i)
            entries.append(lines[i]);
        return entries;
    }
};

TEST_P(TemplateTest, SettingsFileHasTheWritersLayout) {
    const QByteArray bytes = contents(path("solitaire.ini"));
    EXPECT_TRUE(bytes.endsWith("\r\n[Card Back]\r\n 1 \r\n\r\n"));
    const QList<QByteArray> lines = crlfLines(bytes, "solitaire.ini");
    // Headers, terminators and single values in the order the host writes them; the list
    // entries between them are checked below.
    const QList<QByteArray> expected = {"[Decks]",
                                        "-",
                                        "[Games]",
                                        "-",
                                        "[Current Deck]",
                                        "Standard.bmp",
                                        "[Current Game]",
                                        "Klondike=Klondike",
                                        "[WebSite]",
                                        "halvane.example",
                                        "[Card Back]",
                                        " 1 ",
                                        ""};
    QList<QByteArray> skeleton;
    bool inList = false;
    for (const QByteArray& line : lines) {
        if (line == "[Decks]" || line == "[Games]")
            inList = true;
        else if (line == "-")
            inList = false;
        else if (inList)
            continue;
        skeleton.append(line);
    }
    EXPECT_EQ(skeleton, expected);
    for (char c : bytes)
        EXPECT_TRUE(c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x20)
            << "control byte " << int(c);
}

TEST_P(TemplateTest, SettingsListEveryShippedDeckAndGame) {
    QList<QByteArray> decks, games;
    for (const QString& file : files("cards", "*.ini"))
        decks.append(crlfLines(contents(path("cards/" + file)), file).value(0));
    for (const QString& file : files("games", "*.gme"))
        games.append(crlfLines(contents(path("games/" + file)), file).value(0));
    QList<QByteArray> listedDecks = listSection("[Decks]"), listedGames = listSection("[Games]");
    std::sort(decks.begin(), decks.end());
    std::sort(games.begin(), games.end());
    std::sort(listedDecks.begin(), listedDecks.end());
    std::sort(listedGames.begin(), listedGames.end());
    EXPECT_GE(decks.size(), 3);
    EXPECT_EQ(listedDecks, decks);
    EXPECT_EQ(listedGames, games);
    EXPECT_TRUE(listSection("[Decks]").contains("Standard=Standard.bmp"));
    EXPECT_TRUE(listSection("[Games]").contains("Klondike=Klondike"));
}

TEST_P(TemplateTest, DescriptionFilesStartWithANameAndAFile) {
    const QStringList descriptions =
        files("cards", "*.ini").replaceInStrings(QRegularExpression("^"), "cards/") +
        files("games", "*.gme").replaceInStrings(QRegularExpression("^"), "games/");
    ASSERT_FALSE(descriptions.isEmpty());
    for (const QString& file : descriptions) {
        const QList<QByteArray> lines = crlfLines(contents(path(file)), file);
        ASSERT_FALSE(lines.isEmpty()) << qPrintable(file);
        const qsizetype eq = lines[0].indexOf('=');
        EXPECT_GT(eq, 0) << qPrintable(file) << ": entry line without a name before \"=\"";
        EXPECT_LT(eq, lines[0].size() - 1) << qPrintable(file) << ": nothing after \"=\"";
        // A "[WebSite]" marker must have its line after it.
        const qsizetype web = lines.indexOf("[WebSite]");
        if (web >= 0) {
            EXPECT_LT(web + 1, lines.size()) << qPrintable(file) << ": \"[WebSite]\" is last";
        }
    }
}

TEST_P(TemplateTest, EveryListedDeckPictureIsThere) {
    // Pictures exist only in the build's copy; the source folder is checked for names.
    const bool built = QString(GetParam().root) == HALVANE_BUILD_DATA_DIR;
    for (const QByteArray& entry : listSection("[Decks]")) {
        const QString file = QString::fromLatin1(entry.mid(entry.indexOf('=') + 1));
        EXPECT_TRUE(file.endsWith(".bmp")) << qPrintable(file);
        if (!built)
            continue;
        const auto sheet = deckgentest::SheetImage::read(path("cards/" + file).toStdString());
        EXPECT_EQ(sheet.width(), 936) << qPrintable(file);
        EXPECT_EQ(sheet.height(), 485) << qPrintable(file);
    }
}

TEST(TemplateCopy, BuildCopiesTheTextFilesByteForByte) {
    const QString source = HALVANE_TEMPLATE_SOURCE_DIR, build = HALVANE_BUILD_DATA_DIR;
    QStringList texts{"solitaire.ini"};
    for (const QString& f : QDir(source + "/cards").entryList({"*.ini"}, QDir::Files))
        texts.append("cards/" + f);
    for (const QString& f : QDir(source + "/games").entryList({"*.gme"}, QDir::Files))
        texts.append("games/" + f);
    for (const QString& text : texts)
        EXPECT_EQ(contents(build + "/" + text), contents(source + "/" + text)) << qPrintable(text);
}

INSTANTIATE_TEST_SUITE_P(Template, TemplateTest,
                         testing::Values(Location{"Source", HALVANE_TEMPLATE_SOURCE_DIR},
                                         Location{"Build", HALVANE_BUILD_DATA_DIR}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
