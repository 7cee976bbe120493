// The host's side of the game plug-in contract: creating a game by plug-in name and
// calling its eight operations late-bound, with failures that name the game and the
// operation.

#include "fixturelog.h"
#include "host/gameplugin.h"
#include "platform/com/components.h"

#include <QCoreApplication>
#include <QTest>

#include <functional>
#include <stdexcept>

using namespace halvane;
using halvane::fixture::FixtureLog;

namespace {

using Call = std::function<void(GamePlugin&)>;

// The message of what `step` throws; empty when it throws nothing.
QString failureOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(Call)

class GamePluginTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        com::ClearPluginFolders();
        com::AddPluginFolder(QStringLiteral(HALVANE_TEST_FIXTURE_DIR));
    }
    void init() { FixtureLog::clear(); }

    void classIdIsThePluginNameAndGamePlay() {
        GamePlugin game(QStringLiteral("Recording"));
        QCOMPARE(game.classId(), QStringLiteral("Recording.GamePlay"));
    }

    void operationsReachTheGameWithTheirArguments_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("expected");
        QTest::newRow("InitializeGame")
            << Call([](GamePlugin& g) { g.InitializeGame(); }) << "game:InitializeGame back=";
        QTest::newRow("deal, hDC beyond 16 bits")
            << Call([](GamePlugin& g) { g.mnuDeal_Click(123456); })
            << "game:mnuDeal_Click hdc=123456 busy=0";
        QTest::newRow("settings") << Call([](GamePlugin& g) { g.mnuSettings_Click(7); })
                                  << "game:mnuSettings_Click hdc=7 busy=0";
        QTest::newRow("instructions") << Call([](GamePlugin& g) { g.mnuInstructions_Click(8); })
                                      << "game:mnuInstructions_Click hdc=8 busy=0";
        QTest::newRow("mouse down, fractions kept")
            << Call([](GamePlugin& g) { g.Form_MouseDown(9, 2, 5, 1.5f, -3.25f); })
            << "game:Form_MouseDown hdc=9 Button=2 Shift=5 X=1.5 Y=-3.25 busy=0";
        QTest::newRow("mouse move, buttons held")
            << Call([](GamePlugin& g) { g.Form_MouseMove(9, 3, 0, 100, 200); })
            << "game:Form_MouseMove hdc=9 Button=3 Shift=0 X=100 Y=200 busy=0";
        QTest::newRow("mouse up, negative hDC passes unchanged")
            << Call([](GamePlugin& g) { g.Form_MouseUp(-1, 1, 2, 0, 0); })
            << "game:Form_MouseUp hdc=-1 Button=1 Shift=2 X=0 Y=0 busy=0";
        QTest::newRow("double click") << Call([](GamePlugin& g) { g.Form_DblClick(10); })
                                      << "game:Form_DblClick hdc=10 busy=0";
    }
    void operationsReachTheGameWithTheirArguments() {
        QFETCH(Call, call);
        QFETCH(QString, expected);
        GamePlugin game(QStringLiteral("Recording"));
        call(game);
        const QStringList entries = FixtureLog::entries();
        QCOMPARE(entries.size(), 1);
        QVERIFY2(entries.front().startsWith(expected), qPrintable(entries.front()));
    }

    void failingOperationsNameTheGameAndTheOperation_data() {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("settings missing")
            << "Partial" << Call([](GamePlugin& g) { g.mnuSettings_Click(1); })
            << "mnuSettings_Click"
            << "";
        QTest::newRow("double click missing")
            << "Partial" << Call([](GamePlugin& g) { g.Form_DblClick(1); }) << "Form_DblClick"
            << "";
        QTest::newRow("mouse down with one parameter short")
            << "Partial" << Call([](GamePlugin& g) { g.Form_MouseDown(1, 1, 0, 2, 3); })
            << "Form_MouseDown"
            << "";
        QTest::newRow("InitializeGame throws")
            << "Throwing" << Call([](GamePlugin& g) { g.InitializeGame(); }) << "InitializeGame"
            << "the table layout file is missing";
        QTest::newRow("InitializeGame missing")
            << "NoInit" << Call([](GamePlugin& g) { g.InitializeGame(); }) << "InitializeGame"
            << "";
    }
    void failingOperationsNameTheGameAndTheOperation() {
        QFETCH(QString, plugin);
        QFETCH(Call, call);
        QFETCH(QString, operation);
        QFETCH(QString, reason);
        GamePlugin game(plugin);
        const QString message = failureOf([&] { call(game); });
        QVERIFY2(message.startsWith(QStringLiteral("The game plug-in %1.GamePlay failed in %2: ")
                                        .arg(plugin, operation)),
                 qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
    }

    // One missing operation spoils nothing: the object answers the next call.
    void gameStillAnswersAfterAFailedCall() {
        GamePlugin game(QStringLiteral("Partial"));
        QVERIFY(!failureOf([&] { game.Form_DblClick(1); }).isEmpty());
        game.Form_MouseUp(1, 1, 0, 5, 5);
        QCOMPARE(FixtureLog::entries(), QStringList{"partial:Form_MouseUp"});
    }
};

QTEST_MAIN(GamePluginTest)
#include "tst_gameplugin.moc"
