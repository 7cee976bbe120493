#include "host/installdir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>
#include <ostream>
#include <string>

using halvane::InstallDir;
using halvane::InstallError;

namespace {

// Table rows print as their names in test output.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

// Sets an environment variable (or removes it for nullopt) and restores it afterwards.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, std::optional<QByteArray> value)
        : m_name(name),
          m_old(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                                : std::nullopt) {
        set(value);
    }
    ~EnvironmentValue() { set(m_old); }

private:
    void set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(m_name, *value);
        else
            qunsetenv(m_name);
    }
    const char* m_name;
    std::optional<QByteArray> m_old;
};

struct PathRow {
    const char* name;
    std::optional<QByteArray> halvaneHome, xdgDataHome;
    QByteArray home;
    QString expected;
};
class InstallDirPath : public testing::TestWithParam<PathRow> {};
TEST_P(InstallDirPath, FollowsTheEnvironment) {
    const PathRow& row = GetParam();
    EnvironmentValue own("HALVANE_HOME", row.halvaneHome);
    EnvironmentValue data("XDG_DATA_HOME", row.xdgDataHome);
    EnvironmentValue home("HOME", row.home);
    EXPECT_EQ(InstallDir::path(), row.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Table, InstallDirPath,
    testing::Values(
        PathRow{"HalvaneHomeWins", "/srv/table", "/data", "/home/u", "/srv/table"},
        PathRow{"HalvaneHomeCleaned", "/srv//table/", std::nullopt, "/home/u", "/srv/table"},
        PathRow{"HalvaneHomeRelative", "my table", std::nullopt, "/home/u",
                QDir::cleanPath(QDir::current().absoluteFilePath("my table"))},
        PathRow{"EmptyHalvaneHomeIgnored", "", "/data", "/home/u", "/data/halvane"},
        PathRow{"XdgDataHome", std::nullopt, "/data/", "/home/u", "/data/halvane"},
        PathRow{"RelativeXdgDataHomeIgnored", std::nullopt, "data", "/home/u",
                "/home/u/.local/share/halvane"},
        PathRow{"EmptyXdgDataHomeIgnored", std::nullopt, "", "/home/u",
                "/home/u/.local/share/halvane"},
        PathRow{"HomeOnly", std::nullopt, std::nullopt, "/home/u", "/home/u/.local/share/halvane"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstallDirNames, SettingsFileAndTemplateDeriveFromTheirFolders) {
    EXPECT_EQ(InstallDir::settingsFile("/home/u/table"), "/home/u/table/solitaire.ini");
    EXPECT_EQ(InstallDir::templateFor("/opt/halvane/bin"), "/opt/halvane/share/halvane");
    EXPECT_EQ(InstallDir::templateFor("/opt/halvane/bin/"), "/opt/halvane/share/halvane");
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Every file below `root`, relative to it, sorted.
QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

class InstallTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_temp.isValid());
        m_template = m_temp.filePath("share/halvane");
        m_target = m_temp.filePath("home/.local/share/halvane");
        writeBytes(m_template + "/solitaire.ini", "[Decks]\r\n-\r\n");
        writeBytes(m_template + "/cards/Standard.ini", "Standard=Standard.bmp\r\n");
        writeBytes(m_template + "/cards/Standard.bmp", QByteArray(500, 'b'));
        writeBytes(m_template + "/cards/extra/notes.txt", "sub-folder");
        writeBytes(m_template + "/games/Klondike.gme", "Klondike=Klondike\r\n");
        writeBytes(m_template + "/README", "not installed");
    }

    std::string installError() {
        try {
            InstallDir::installIfNeeded(m_target, m_template);
            return "installed";
        } catch (const InstallError& error) {
            return error.what();
        }
    }

    const QStringList m_installed = {"cards/Standard.bmp", "cards/Standard.ini",
                                     "cards/extra/notes.txt", "games/Klondike.gme",
                                     "solitaire.ini"};
    QTemporaryDir m_temp;
    QString m_template, m_target;
};

TEST_F(InstallTest, FirstStartCopiesSettingsCardsAndGames) {
    EXPECT_TRUE(InstallDir::installIfNeeded(m_target, m_template));
    EXPECT_EQ(filesBelow(m_target), m_installed);
    for (const QString& file : m_installed)
        EXPECT_EQ(readBytes(m_target + "/" + file), readBytes(m_template + "/" + file))
            << file.toStdString();
}

TEST_F(InstallTest, SecondStartCopiesNothing) {
    writeBytes(m_target + "/solitaire.ini", "mine");
    EXPECT_FALSE(InstallDir::installIfNeeded(m_target, m_template));
    EXPECT_EQ(filesBelow(m_target), QStringList{"solitaire.ini"});
    EXPECT_EQ(readBytes(m_target + "/solitaire.ini"), QByteArray("mine"));
}

TEST_F(InstallTest, SecondStartNeedsNoTemplate) {
    writeBytes(m_target + "/solitaire.ini", "mine");
    EXPECT_FALSE(InstallDir::installIfNeeded(m_target, m_temp.filePath("nowhere")));
}

TEST_F(InstallTest, EmptyFolderIsAFirstStart) {
    ASSERT_TRUE(QDir().mkpath(m_target + "/cards"));
    EXPECT_TRUE(InstallDir::installIfNeeded(m_target, m_template));
    EXPECT_EQ(filesBelow(m_target), m_installed);
}

TEST_F(InstallTest, CutShortFirstStartResumesWithoutOverwriting) {
    writeBytes(m_target + "/cards/Standard.ini", "edited");
    EXPECT_TRUE(InstallDir::installIfNeeded(m_target, m_template));
    EXPECT_EQ(filesBelow(m_target), m_installed);
    EXPECT_EQ(readBytes(m_target + "/cards/Standard.ini"), QByteArray("edited"));
}

// A later start puts back the shipped decks the user's folder lost, and nothing else.
struct RestoreRow {
    const char* name;
    void (*change)(const QString& target);
    QStringList restored;
};
class RestoreDecks : public InstallTest, public testing::WithParamInterface<RestoreRow> {};
TEST_P(RestoreDecks, PutsBackWhatIsMissingAndKeepsWhatIsThere) {
    ASSERT_TRUE(InstallDir::installIfNeeded(m_target, m_template));
    writeBytes(m_target + "/cards/Standard.ini", "edited");
    writeBytes(m_target + "/cards/Mine.bmp", "mine");
    GetParam().change(m_target);
    EXPECT_EQ(InstallDir::restoreDecks(m_target, m_template), GetParam().restored);
    for (const QString& file : GetParam().restored)
        EXPECT_EQ(readBytes(m_target + "/" + file), readBytes(m_template + "/" + file));
    if (QFileInfo::exists(m_target + "/cards/Mine.bmp")) {
        EXPECT_EQ(readBytes(m_target + "/cards/Mine.bmp"), QByteArray("mine"));
    }
    if (!GetParam().restored.contains("cards/Standard.ini")) {
        EXPECT_EQ(readBytes(m_target + "/cards/Standard.ini"), QByteArray("edited"));
    }
    EXPECT_FALSE(QFileInfo::exists(m_target + "/README"));
}
INSTANTIATE_TEST_SUITE_P(
    Table, RestoreDecks,
    testing::Values(RestoreRow{"NothingMissing", [](const QString&) {}, {}},
                    RestoreRow{"PictureDeleted",
                               [](const QString& t) { QFile::remove(t + "/cards/Standard.bmp"); },
                               {"cards/Standard.bmp"}},
                    RestoreRow{
                        "CardsFolderDeleted",
                        [](const QString& t) { QDir(t + "/cards").removeRecursively(); },
                        {"cards/Standard.bmp", "cards/Standard.ini", "cards/extra/notes.txt"}},
                    RestoreRow{"GamesAreNotTouched",
                               [](const QString& t) { QDir(t + "/games").removeRecursively(); },
                               {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallTest, CopiesOfReadOnlyTemplateFilesAreTheUsers) {
    ASSERT_TRUE(QFile::setPermissions(m_template + "/games/Klondike.gme",
                                      QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(InstallDir::installIfNeeded(m_target, m_template));
    EXPECT_TRUE(QFile::permissions(m_target + "/games/Klondike.gme") & QFileDevice::WriteOwner);
}

// Failures: the message after the path it begins with, and what must not have happened.
struct FailureRow {
    const char* name;
    void (*prepare)(const QString& target, const QString& templateDir);
    const char* messagePart;
};
class InstallFailure : public InstallTest, public testing::WithParamInterface<FailureRow> {};
TEST_P(InstallFailure, RaisesNamingThePathsAndWritesNoSettings) {
    GetParam().prepare(m_target, m_template);
    const std::string message = installError();
    EXPECT_NE(message.find(GetParam().messagePart), std::string::npos) << message;
    EXPECT_FALSE(QFileInfo::exists(m_target + "/solitaire.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, InstallFailure,
    testing::Values(
        FailureRow{"TemplateMissing",
                   [](const QString&, const QString& t) { QDir(t).removeRecursively(); },
                   "share/halvane/solitaire.ini is missing"},
        FailureRow{"TemplateWithoutSettings",
                   [](const QString&, const QString& t) { QFile::remove(t + "/solitaire.ini"); },
                   "the template"},
        FailureRow{"UsersOwnFilesWithoutSettings",
                   [](const QString& target, const QString&) {
                       writeBytes(target + "/cards/Mine.bmp", "mine");
                   },
                   "home/.local/share/halvane/solitaire.ini is missing, while the folder "
                   "holds other files"},
        FailureRow{"OtherFileAtTheTop",
                   [](const QString& target, const QString&) {
                       writeBytes(target + "/notes.txt", "mine");
                   },
                   "holds other files"},
        FailureRow{"FolderIsAFile",
                   [](const QString& target, const QString&) { writeBytes(target, "a file"); },
                   "share/halvane: it is a file, not a folder"},
        FailureRow{"ParentIsAFile",
                   [](const QString& target, const QString&) {
                       writeBytes(QFileInfo(target).path(), "a file");
                   },
                   "cannot create the folder "},
        FailureRow{"CopyFails",
                   [](const QString&, const QString& t) {
                       QFile::link(t + "/nowhere.bmp", t + "/cards/Broken.bmp");
                   },
                   "cards/Broken.bmp to "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallTest, UsersOwnFilesAreLeftAlone) {
    writeBytes(m_target + "/games/Mine.gme", "mine");
    EXPECT_THROW(InstallDir::installIfNeeded(m_target, m_template), InstallError);
    EXPECT_EQ(filesBelow(m_target), QStringList{"games/Mine.gme"});
}

} // namespace
