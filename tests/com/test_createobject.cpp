#include "platform/com/components.h"
#include "platform/com/objectfactory.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ostream>
#include <string>
#include <vector>

namespace {

// Table rows print as their names in test output.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

const QString FixtureDir = QStringLiteral(COM_FIXTURE_DIR);

class CreateObjectTest : public testing::Test {
protected:
    void SetUp() override {
        com::ClearPluginFolders();
        com::AddPluginFolder(FixtureDir);
    }
    void TearDown() override { com::ClearPluginFolders(); }
};

std::string createError(const QString& classId) {
    try {
        auto object = com::CreateObject(classId);
        return "created " + com::ClassIdOf(object.get()).toStdString();
    } catch (const com::Error& error) {
        return error.what();
    }
}

TEST_F(CreateObjectTest, MakesAFreshObjectEachCall) {
    auto first = com::CreateObject(QStringLiteral("Recording.GamePlay"));
    auto second = com::CreateObject(QStringLiteral("Recording.GamePlay"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
    EXPECT_NE(com::CallByName(first.get(), "Serial"), com::CallByName(second.get(), "Serial"));

    // State stays with its own object.
    com::CallByName(first.get(), "InitializeGame");
    EXPECT_EQ(com::CallByName(first.get(), "Log").toString(), QStringLiteral("InitializeGame()"));
    EXPECT_EQ(com::CallByName(second.get(), "Log").toString(), QString());
}

TEST_F(CreateObjectTest, RecordsTheClassIdOnTheObject) {
    auto object = com::CreateObject(QStringLiteral("Recording.GamePlay"));
    EXPECT_EQ(com::ClassIdOf(object.get()), QStringLiteral("Recording.GamePlay"));
    QObject plain;
    EXPECT_EQ(com::ClassIdOf(&plain), QStringLiteral("QObject"));
    EXPECT_EQ(com::ClassIdOf(nullptr), QString());
}

TEST_F(CreateObjectTest, FindsALibraryByTheClassIdInItsMetadataNotItsFileName) {
    auto object = com::CreateObject(QStringLiteral("Elsewhere.GamePlay"));
    EXPECT_EQ(com::CallByName(object.get(), "Name").toString(), QStringLiteral("Elsewhere"));
}

struct FailureRow {
    const char* name;
    const char* classId;
    std::vector<QString> messageParts;
};

class CreateObjectFailure : public CreateObjectTest,
                            public testing::WithParamInterface<FailureRow> {};

TEST_P(CreateObjectFailure, RaisesNamingWhatFailed) {
    const std::string message = createError(QString::fromUtf8(GetParam().classId));
    for (const QString& part : GetParam().messageParts)
        EXPECT_NE(message.find(part.toStdString()), std::string::npos)
            << "\"" << part.toStdString() << "\" missing from: " << message;
}

const QString Lib = FixtureDir + QLatin1Char('/');

INSTANTIATE_TEST_SUITE_P(
    Table, CreateObjectFailure,
    testing::Values(
        FailureRow{"UnknownClassId",
                   "Missing.GamePlay",
                   {QStringLiteral("cannot create \"Missing.GamePlay\": no plug-in library serves "
                                   "this class id (searched ") +
                    FixtureDir + QLatin1Char(')')}},
        FailureRow{"CaseDiffers", "recording.GamePlay", {"\"recording.GamePlay\": no plug-in"}},
        FailureRow{"FileNameIsNotTheClassId", "Wrongid.GamePlay", {"no plug-in library serves"}},
        FailureRow{"EmptyGameName", ".GamePlay", {"\".GamePlay\": the class id has an empty part"}},
        FailureRow{"EmptyClassId", "", {"the class id is empty"}},
        FailureRow{"BlankGameName", "  .GamePlay", {"empty part"}},
        FailureRow{"FactoryReturnsNull",
                   "NullFactory.GamePlay",
                   {Lib + "nullfactory.so created no object"}},
        FailureRow{"RootIsNotAFactory",
                   "NotAFactory.GamePlay",
                   {Lib + "notafactory.so does not create objects"}},
        FailureRow{"OtherInterface",
                   "Foreign.GamePlay",
                   {"no plug-in library serves",
                    Lib + "foreign.so names it but serves \"org.example.Unrelated/1\", not \"" +
                        COM_OBJECTFACTORY_IID + "\""}},
        FailureRow{"LibraryDoesNotLoad",
                   "Unloadable.GamePlay",
                   {Lib + "unloadable.so does not load: ", "comFixtureNowhere"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CreateObjectTest, WithoutFoldersSaysSo) {
    com::ClearPluginFolders();
    EXPECT_NE(createError(QStringLiteral("Recording.GamePlay")).find("no plug-in folders are set"),
              std::string::npos);
}

TEST_F(CreateObjectTest, SkipsMissingFoldersAndFilesThatAreNoPlugins) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    QFile junk(temp.filePath(QStringLiteral("junk.so")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    const QString missing = temp.filePath(QStringLiteral("absent"));

    com::ClearPluginFolders();
    com::AddPluginFolder(missing);
    com::AddPluginFolder(temp.path());
    com::AddPluginFolder(FixtureDir); // also holds plain.so, a library without metadata
    EXPECT_NE(com::CreateObject(QStringLiteral("Recording.GamePlay")), nullptr);

    const std::string message = createError(QStringLiteral("Missing.GamePlay"));
    const std::string order = "searched " + missing.toStdString() + ", " +
                              temp.path().toStdString() + ", " + FixtureDir.toStdString();
    EXPECT_NE(message.find(order), std::string::npos) << message;
}

// Two libraries of one folder name the class id: the one named after it is taken, not
// the first by file name. (Both are copies of a library whose factory makes nothing, so
// the error names the one taken.)
TEST_F(CreateObjectTest, TakesTheLibraryNamedAfterTheClassIdFirst) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString named = temp.filePath(QStringLiteral("libNullFactory.so"));
    for (const QString& copy : {temp.filePath(QStringLiteral("a.so")), named})
        ASSERT_TRUE(QFile::copy(FixtureDir + QStringLiteral("/nullfactory.so"), copy));
    com::ClearPluginFolders();
    com::AddPluginFolder(temp.path());
    EXPECT_NE(createError(QStringLiteral("NullFactory.GamePlay")).find(named.toStdString() +
                                                                        " created no object"),
              std::string::npos);
}

TEST(PluginFolders, AreKeptAbsoluteCleanAndOnce) {
    com::ClearPluginFolders();
    com::AddPluginFolder(QStringLiteral("plugins/../games"));
    com::AddPluginFolder(QDir::current().filePath(QStringLiteral("games")));
    com::AddPluginFolder(QStringLiteral("/opt/x/"));
    EXPECT_EQ(com::PluginFolders(),
              QStringList({QDir::current().filePath(QStringLiteral("games")), "/opt/x"}));
    EXPECT_THROW(com::AddPluginFolder(QString()), com::Error);
    com::ClearPluginFolders();
    EXPECT_TRUE(com::PluginFolders().isEmpty());
}

} // namespace
