// The optional game operations as the table window uses them: the install folder before
// InitializeGame, RefreshTable after everything that changes the table's look or size,
// the extra Game menu entries, keys, the status bar and saving the game. A game with only
// the eight operations is asked for none of it (the rest of the window's tests run one).

#include "tablefixture.h"

#include "host/dialogs/form2.h"
#include "host/dialogs/form3.h"
#include "platform/com/components.h"
#include "platform/gdi/gdi.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>

#include <functional>

using namespace halvane;
using namespace halvane::test;

namespace {

using Step = std::function<void(Table&)>;

SettingsText extrasGame() {
    SettingsText text;
    text.gameName = QStringLiteral("Extras Game");
    text.plugin = QStringLiteral("Extras");
    return text;
}

Form2* deckChooser(Table& table) {
    table.trigger("mnuDeck");
    return table.form->findChild<Form2*>();
}

// What RefreshTable records when the table was cleared to white just before; the
// pointer shape left out.
QString refreshEntry(Table& table) {
    const QWidget* area = table.form->table();
    return QStringLiteral("game:RefreshTable hdc=%1 Width=%2 Height=%3 probe=ffffff")
        .arg(table.hdc())
        .arg(area->width())
        .arg(area->height());
}

QStringList withoutPointer(QStringList entries) {
    entries.replaceInStrings(QRegularExpression(" busy=\\d"), QString());
    return entries;
}

// A mark on the table where the probe looks, so that a clear shows.
void markTable(Table& table) {
    gdi::SetPixel(table.hdc(), 2, 2, gdi::RGB(0, 255, 0));
    FixtureLog::setProbe(table.hdc(), 2, 2);
}

QString statusText(Table& table) {
    return table.form->statusBar()->findChild<QLabel*>()->text();
}

void pressKey(Table& table, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(table.form->table(), &event);
}

} // namespace

Q_DECLARE_METATYPE(Step)

class GameExtrasTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        com::ClearPluginFolders();
        com::AddPluginFolder(QStringLiteral(HALVANE_TEST_FIXTURE_DIR));
    }
    void init() { FixtureLog::clear(); }

    void installFolderIsToldBeforeInitializeGame() {
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        const QStringList game = FixtureLog::entries().filter("game:");
        QVERIFY(game.size() >= 2);
        QVERIFY2(game[0].startsWith("game:SetInstallDir " + home.path() + " "), qPrintable(game[0]));
        QVERIFY(game[1].startsWith("game:InitializeGame"));
    }

    // After each of these the game deals its table again onto a cleared window, laid out
    // for the table's client area.
    void tableIsRefreshedAfter_data() {
        QTest::addColumn<Step>("setup");
        QTest::addColumn<Step>("action");
        const Step none = [](Table&) {};
        QTest::newRow("resize") << none << Step([](Table& t) { t.form->resize(640, 480); });
        QTest::newRow("background") << none << Step([](Table& t) { t.trigger("mnuBackground"); });
        QTest::newRow("deck chooser OK")
            << none << Step([](Table& t) { deckChooser(t)->Command1_Click(); });
        QTest::newRow("deck chooser Cancel")
            << none << Step([](Table& t) { deckChooser(t)->Command2_Click(); });
        QTest::newRow("back chooser OK after the deck chooser closed")
            << Step([](Table& t) {
                   Form2* decks = deckChooser(t);
                   decks->Command5_Click();
                   decks->Command2_Click();
               })
            << Step([](Table& t) {
                   t.form->findChild<Form2*>()->backChooser()->Command1_Click();
               });
    }
    void tableIsRefreshedAfter() {
        QFETCH(Step, setup);
        QFETCH(Step, action);
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!FixtureLog::entries().filter("game:RefreshTable").isEmpty());
        setup(table);
        markTable(table);
        const qsizetype mark = FixtureLog::entries().size();
        action(table);
        QTRY_VERIFY(!logFrom(mark).filter("game:RefreshTable").isEmpty());
        QCOMPARE(withoutPointer(logFrom(mark).filter("game:RefreshTable")),
                 QStringList{refreshEntry(table)});
        QVERIFY(table.errors.messages.isEmpty());
    }

    void firstPaintIsFollowedByARefresh() {
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!FixtureLog::entries().filter("game:RefreshTable").isEmpty());
        const QStringList entries = logFrom(0);
        const qsizetype shot = entries.indexOf("engine:TakeScreenShot");
        QVERIFY(shot >= 0);
        QVERIFY(entries.indexOf(QRegularExpression("game:RefreshTable .*")) > shot);
    }

    // While the deck chooser is open the engine holds the previewed deck: nothing the
    // game deals may show it; the table follows once the chooser closes.
    void noRefreshWhileTheDeckChooserIsOpen() {
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!FixtureLog::entries().filter("game:RefreshTable").isEmpty());
        Form2* decks = deckChooser(table);
        const qsizetype mark = FixtureLog::entries().size();
        table.form->resize(600, 400);
        table.trigger("mnuBackground");
        decks->Command5_Click();
        decks->backChooser()->Command2_Click();
        QTest::qWait(20);
        QVERIFY(logFrom(mark).filter("game:RefreshTable").isEmpty());
        decks->Command2_Click();
        QCOMPARE(logFrom(mark).filter("game:RefreshTable").size(), 1);
    }

    void extraEntriesAreGreyedForAGameWithoutThem_data() {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("only the eight") << "Recording" << false;
        QTest::newRow("every optional operation") << "Extras" << true;
    }
    void extraEntriesAreGreyedForAGameWithoutThem() {
        QFETCH(QString, plugin);
        QFETCH(bool, enabled);
        SettingsText text;
        text.plugin = plugin;
        TestHome home(text.bytes());
        Table table;
        QVERIFY(table.start());
        for (const QString& name : ExtraEntries)
            QCOMPARE(table.form->menuAction(name)->isEnabled(), enabled);
        QCOMPARE(table.form->statusBar()->isVisible(), enabled);
        // Switching to the other game follows it.
        table.form->startGame("Other", plugin == "Extras" ? "Recording" : "Extras");
        for (const QString& name : ExtraEntries)
            QCOMPARE(table.form->menuAction(name)->isEnabled(), !enabled);
        QCOMPARE(table.form->statusBar()->isVisible(), !enabled);
    }

    void extraEntriesTakeTheSnapshotThenCallTheGame_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("reply"); // "true": the game asks for a refresh
        QTest::newRow("undo") << "mnuUndo"
                              << "true";
        QTest::newRow("redo") << "mnuRedo"
                              << "";
        QTest::newRow("hint") << "mnuHint"
                              << "";
        QTest::newRow("restart") << "mnuRestart"
                                 << "true";
        QTest::newRow("deal number") << "mnuDealNumber"
                                     << "true";
        QTest::newRow("statistics") << "mnuStatistics"
                                    << "";
    }
    void extraEntriesTakeTheSnapshotThenCallTheGame() {
        QFETCH(QString, entry);
        QFETCH(QString, reply);
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!FixtureLog::entries().filter("game:RefreshTable").isEmpty());
        FixtureLog::setReply(entry + "_Click", reply);
        markTable(table);
        const qsizetype mark = FixtureLog::entries().size();
        table.trigger(entry.toLatin1().constData());
        QStringList expected{"engine:TakeScreenShot", QStringLiteral("game:%1_Click hdc=%2 "
                                                                     "busy=1 probe=00ff00")
                                                          .arg(entry)
                                                          .arg(table.hdc())};
        if (reply == "true")
            expected << refreshEntry(table).replace(" probe", " busy=1 probe");
        QCOMPARE(logFrom(mark), expected);
        QCOMPARE(table.form->cursor().shape(), Qt::ArrowCursor);
    }

    void extraShortcuts() {
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QCOMPARE(table.form->menuAction("mnuUndo")->shortcuts(),
                 QList<QKeySequence>{QKeySequence("Ctrl+Z")});
        QCOMPARE(table.form->menuAction("mnuRedo")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
        QCOMPARE(table.form->menuAction("mnuHint")->shortcuts(),
                 QList<QKeySequence>{QKeySequence("H")});
    }

    void keysReachTheGame_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << ""
                                << "KeyCode=16777216 Shift=0";
        QTest::newRow("Shift+Ctrl+A, refresh asked")
            << int(Qt::Key_A) << int(Qt::ShiftModifier | Qt::ControlModifier) << "true"
            << "KeyCode=65 Shift=3";
        QTest::newRow("Alt+Left") << int(Qt::Key_Left) << int(Qt::AltModifier) << ""
                                  << "KeyCode=16777234 Shift=4";
    }
    void keysReachTheGame() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, reply);
        QFETCH(QString, expected);
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!FixtureLog::entries().filter("game:RefreshTable").isEmpty());
        FixtureLog::setReply("Form_KeyDown", reply);
        markTable(table);
        const qsizetype mark = FixtureLog::entries().size();
        pressKey(table, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QStringList wanted{QStringLiteral("game:Form_KeyDown hdc=%1 %2 busy=0 probe=00ff00")
                               .arg(table.hdc())
                               .arg(expected)};
        if (reply == "true")
            wanted << refreshEntry(table);
        QCOMPARE(withoutPointer(logFrom(mark)), withoutPointer(wanted));
    }

    void keysReachNoGameWithoutTheOperation() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        const qsizetype mark = FixtureLog::entries().size();
        pressKey(table, Qt::Key_Escape, {});
        QVERIFY(logFrom(mark).isEmpty());
        QVERIFY(table.errors.messages.isEmpty());
    }

    void statusBarShowsTheGamesStatus() {
        FixtureLog::setReply("StatusText", "Deal 7  Moves 0");
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QCOMPARE(statusText(table), QStringLiteral("Deal 7  Moves 0"));
        // After a call into the game at once.
        FixtureLog::setReply("StatusText", "Deal 7  Moves 1");
        table.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(statusText(table), QStringLiteral("Deal 7  Moves 1"));
        // The clock moves without any event.
        FixtureLog::setReply("StatusText", "Deal 7  Moves 1  0:01");
        QTRY_COMPARE_WITH_TIMEOUT(statusText(table), QStringLiteral("Deal 7  Moves 1  0:01"),
                                  3000);
    }

    void gameIsSavedBeforeItGoes_data() {
        QTest::addColumn<Step>("action");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("exit") << Step([](Table& t) { t.trigger("mnuExit"); })
                              << QStringList{"game:SaveGame", "engine:UnloadDeck"};
        QTest::newRow("close") << Step([](Table& t) { t.form->close(); })
                               << QStringList{"game:SaveGame", "engine:UnloadDeck"};
        QTest::newRow("switching games")
            << Step([](Table& t) { t.form->startGame("Extras Game", "Extras"); })
            << QStringList{"game:SaveGame", "game:SetInstallDir", "game:InitializeGame",
                           "game:RefreshTable"};
    }
    void gameIsSavedBeforeItGoes() {
        QFETCH(Step, action);
        QFETCH(QStringList, expected);
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!FixtureLog::entries().filter("game:RefreshTable").isEmpty());
        const qsizetype mark = FixtureLog::entries().size();
        action(table);
        QStringList names;
        for (const QString& entry : logFrom(mark))
            names << entry.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(names, expected);
    }
};

QTEST_MAIN(GameExtrasTest)
#include "tst_gameextras.moc"
