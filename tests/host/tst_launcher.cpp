// What the program does before the table window: the table folder from the template on a
// first start, the plug-in folders, and a clear failure when that cannot be done.

#include "host/errorreporter.h"
#include "host/launcher.h"
#include "host/pluginfolders.h"
#include "platform/com/components.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <utility>
#include <vector>

using namespace halvane;

namespace {

class FakeReporter : public ErrorReporter {
public:
    QStringList messages;
    void showError(QWidget*, const QString& summary, const QString& detail) override {
        messages << (detail.isEmpty() ? summary : summary + "\n" + detail);
    }
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program built beside this test.
QString program() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/halvane");
}

// Starts the program on the offscreen platform over the table folder `home`, with `more`
// in its environment besides.
void startOn(QProcess& process, const QString& home,
             const std::vector<std::pair<QString, QString>>& more = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HALVANE_HOME"), home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const auto& [name, value] : more)
        environment.insert(name, value);
    process.setProcessEnvironment(environment);
    process.start(program(), QStringList());
}

// True once process `pid` catches `signal` with a handler of its own.
bool catches(qint64 pid, int signal) {
    const QByteArray status = readFile(QStringLiteral("/proc/%1/status").arg(pid));
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1U;
    }
    return false;
}

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT
private slots:
    void init() { com::ClearPluginFolders(); }

    void pluginFoldersOfAProgram_data() {
        QTest::addColumn<QString>("exeDir");
        QTest::addColumn<QString>("installDir");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("installed program")
            << "/usr/bin"
            << "/home/ann/.local/share/halvane"
            << QStringList{"/usr/lib/halvane/games", "/home/ann/.local/share/halvane/games"};
        QTest::newRow("build tree, trailing slashes")
            << "/work/build/bin/"
            << "/tmp/home/" << QStringList{"/work/build/lib/halvane/games", "/tmp/home/games"};
        QTest::newRow("blanks in the paths")
            << "/opt/my table/bin"
            << "/srv/user data"
            << QStringList{"/opt/my table/lib/halvane/games", "/srv/user data/games"};
    }
    void pluginFoldersOfAProgram() {
        QFETCH(QString, exeDir);
        QFETCH(QString, installDir);
        QFETCH(QStringList, folders);
        QCOMPARE(PluginFolders::forProgram(exeDir, installDir), folders);
    }

    void firstStartInstallsTheTemplateAndAddsThePluginFolders() {
        QTemporaryDir root;
        const QString prefix = root.path() + "/prefix";
        writeFile(prefix + "/share/halvane/solitaire.ini", "[Decks]\r\n-\r\n\r\n");
        writeFile(prefix + "/share/halvane/cards/Standard.ini", "Standard=Standard.bmp\r\n");
        const QString home = root.path() + "/home";
        qputenv("HALVANE_HOME", home.toLocal8Bit());
        FakeReporter errors;
        const std::optional<QString> installDir = Launcher::prepare(prefix + "/bin", errors);
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(installDir, std::optional<QString>(home));
        QCOMPARE(readFile(home + "/solitaire.ini"), QByteArray("[Decks]\r\n-\r\n\r\n"));
        QCOMPARE(readFile(home + "/cards/Standard.ini"), QByteArray("Standard=Standard.bmp\r\n"));
        QCOMPARE(com::PluginFolders(),
                 (QStringList{prefix + "/lib/halvane/games", home + "/games"}));
    }

    void laterStartKeepsTheUsersSettings() {
        QTemporaryDir root;
        const QString prefix = root.path() + "/prefix";
        writeFile(prefix + "/share/halvane/solitaire.ini", "template");
        const QString home = root.path() + "/home";
        writeFile(home + "/solitaire.ini", "the user's own");
        qputenv("HALVANE_HOME", home.toLocal8Bit());
        FakeReporter errors;
        QCOMPARE(Launcher::prepare(prefix + "/bin", errors), std::optional<QString>(home));
        QCOMPARE(readFile(home + "/solitaire.ini"), QByteArray("the user's own"));
        QVERIFY(errors.messages.isEmpty());
    }

    void programIconHasTheSmallSizesDrawn_data() {
        QTest::addColumn<QList<int>>("drawn");
        QTest::addColumn<QList<int>>("emptyFolders");
        QTest::addColumn<QList<int>>("used");
        QTest::newRow("small sizes")
            << QList<int>{32, 48, 64} << QList<int>{} << QList<int>{32, 48, 64};
        QTest::newRow("large sizes left to the theme")
            << QList<int>{32, 64, 128, 256} << QList<int>{} << QList<int>{32, 64};
        QTest::newRow("a size folder without the icon")
            << QList<int>{48} << QList<int>{32} << QList<int>{48};
        QTest::newRow("no icons at all") << QList<int>{} << QList<int>{} << QList<int>{};
    }
    void programIconHasTheSmallSizesDrawn() {
        QFETCH(QList<int>, drawn);
        QFETCH(QList<int>, emptyFolders);
        QFETCH(QList<int>, used);
        QTemporaryDir root;
        const QString themes = root.path() + "/share/icons/hicolor/";
        for (int size : drawn) {
            const QString folder = themes + QStringLiteral("%1x%1/apps").arg(size);
            QDir().mkpath(folder);
            QImage picture(size, size, QImage::Format_ARGB32);
            picture.fill(Qt::darkGreen);
            QVERIFY(picture.save(folder + "/halvane.png"));
        }
        for (int size : emptyFolders)
            QDir().mkpath(themes + QStringLiteral("%1x%1/apps").arg(size));
        const QIcon icon = Launcher::programIcon(root.path() + "/bin");
        QList<int> sizes;
        for (const QSize& size : icon.availableSizes())
            sizes << size.width();
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, used);
        QCOMPARE(icon.isNull(), used.isEmpty());
    }

    // Qt would abort; the program says what is missing instead.
    void withoutADisplayTheProgramSaysSoAndEnds() {
        QProcess process;
        QProcessEnvironment nothing;
        nothing.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        process.setProcessEnvironment(nothing);
        process.start(program(), QStringList());
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QByteArray said = process.readAllStandardError();
        QVERIFY2(said.startsWith("halvane: Halvane needs a graphical display"), said.constData());
    }

    // The session ending saves the settings as Exit does: a file the program reads with
    // LF line ends comes back written in its own layout.
    void shutDownSignalsSaveTheSettings_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void shutDownSignalsSaveTheSettings() {
        QFETCH(int, signal);
        QTemporaryDir home;
        const QByteArray shipped =
            readFile(QStringLiteral(HALVANE_BUILD_DATA_DIR) + QStringLiteral("/solitaire.ini"));
        QVERIFY(shipped.contains("\r\n"));
        writeFile(home.filePath("solitaire.ini"), QByteArray(shipped).replace("\r\n", "\n"));
        QProcess process;
        startOn(process, home.path());
        QVERIFY(process.waitForStarted(30000));
        QTRY_VERIFY_WITH_TIMEOUT(catches(process.processId(), signal), 30000);
        ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(30000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit,
                 process.readAllStandardError().constData());
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(readFile(home.filePath("solitaire.ini")), shipped);
    }

    // A start that failed waits in a box that says why; the session ending ends it, with
    // the failure's status and nothing written.
    void shutDownSignalsEndAFailedStart_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("otherFile");
        // No settings file in a folder holding other files: the folder is not installed.
        QTest::newRow("the table folder cannot be set up") << QByteArray() << "notes.txt";
        QTest::newRow("the settings file is empty") << QByteArray("") << QString();
    }
    void shutDownSignalsEndAFailedStart() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, otherFile);
        QTemporaryDir home;
        if (!otherFile.isEmpty())
            writeFile(home.filePath(otherFile), "mine");
        else
            writeFile(home.filePath("solitaire.ini"), settings);
        QProcess process;
        startOn(process, home.path());
        QVERIFY(process.waitForStarted(30000));
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardError()).contains("halvane: "),
                                 30000);
        QVERIFY(catches(process.processId(), SIGTERM));
        ::kill(pid_t(process.processId()), SIGTERM);
        QVERIFY2(process.waitForFinished(30000), "the failure box kept the program running");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(readFile(home.filePath("solitaire.ini")), settings);
    }

    // The start-up benchmark's hook: the program ends by itself once the table is shown,
    // writing nothing.
    void quitAfterShowEndsTheProgramWithoutSaving() {
        QTemporaryDir home;
        const QByteArray settings =
            readFile(QStringLiteral(HALVANE_BUILD_DATA_DIR) + QStringLiteral("/solitaire.ini"))
                .replace("\r\n", "\n");
        writeFile(home.filePath("solitaire.ini"), settings);
        QProcess process;
        startOn(process, home.path(),
                {{QStringLiteral("HALVANE_QUIT_AFTER_SHOW"), QStringLiteral("1")}});
        QVERIFY(process.waitForFinished(30000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardError().constData());
        QCOMPARE(readFile(home.filePath("solitaire.ini")), settings);
    }

    void failuresAreReportedAndNothingStarts_data() {
        QTest::addColumn<bool>("withTemplate");
        QTest::addColumn<bool>("homeWithOtherFiles");
        QTest::newRow("no template beside the program") << false << false;
        QTest::newRow("table folder lost its settings file") << true << true;
    }
    void failuresAreReportedAndNothingStarts() {
        QFETCH(bool, withTemplate);
        QFETCH(bool, homeWithOtherFiles);
        QTemporaryDir root;
        const QString prefix = root.path() + "/prefix";
        if (withTemplate)
            writeFile(prefix + "/share/halvane/solitaire.ini", "template");
        const QString home = root.path() + "/home";
        if (homeWithOtherFiles)
            writeFile(home + "/notes.txt", "mine");
        qputenv("HALVANE_HOME", home.toLocal8Bit());
        FakeReporter errors;
        QVERIFY(!Launcher::prepare(prefix + "/bin", errors).has_value());
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.front().startsWith("Halvane could not start."),
                 qPrintable(errors.messages.front()));
        QVERIFY(!QFile::exists(home + "/solitaire.ini"));
        QVERIFY(com::PluginFolders().isEmpty());
    }
};

QTEST_MAIN(LauncherTest)
#include "tst_launcher.moc"
