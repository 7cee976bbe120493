// What the program does before the table window: the table folder from the template on a
// first start, the plug-in folders, and a clear failure when that cannot be done.

#include "host/errorreporter.h"
#include "host/launcher.h"
#include "host/pluginfolders.h"
#include "host/terminationsignals.h"
#include "platform/com/components.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>

using namespace halvane;

namespace {

class FakeReporter : public ErrorReporter {
public:
    QStringList messages;
    void showError(QWidget*, const QString& message) override { messages << message; }
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

    void programIconHasEverySizeDrawn_data() {
        QTest::addColumn<QList<int>>("drawn");
        QTest::addColumn<QList<int>>("emptyFolders");
        QTest::newRow("three sizes") << QList<int>{32, 64, 256} << QList<int>{};
        QTest::newRow("a size folder without the icon") << QList<int>{48} << QList<int>{128};
        QTest::newRow("no icons at all") << QList<int>{} << QList<int>{};
    }
    void programIconHasEverySizeDrawn() {
        QFETCH(QList<int>, drawn);
        QFETCH(QList<int>, emptyFolders);
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
        QCOMPARE(sizes, drawn);
        QCOMPARE(icon.isNull(), drawn.isEmpty());
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
        QVERIFY2(errors.messages.front().startsWith("Halvane could not start: "),
                 qPrintable(errors.messages.front()));
        QVERIFY(!QFile::exists(home + "/solitaire.ini"));
        QVERIFY(com::PluginFolders().isEmpty());
    }

    // Told on the event loop, where closing the window saves the game and the settings.
    void terminationSignalsReachTheEventLoop_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void terminationSignalsReachTheEventLoop() {
        QFETCH(int, signalNumber);
        TerminationSignals termination;
        QList<int> received;
        connect(&termination, &TerminationSignals::received, this,
                [&](int number) { received << number; });
        QCOMPARE(std::raise(signalNumber), 0);
        QVERIFY(received.isEmpty()); // nothing runs inside the handler
        QTRY_COMPARE(received, QList<int>{signalNumber});
    }
};

QTEST_MAIN(LauncherTest)
#include "tst_launcher.moc"
