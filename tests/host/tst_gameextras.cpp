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
const Step Nothing = [](Table&) {};

SettingsText extrasGame() {
    SettingsText text;
    text.gameName = QStringLiteral("Extras Game");
    text.plugin = QStringLiteral("Extras");
    return text;
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

QString withoutPointer(QString entry) {
    return entry.remove(QRegularExpression(" busy=\\d"));
}

// The game's calls since `mark`, with the snapshot and the deck's release among them.
QStringList gameCallsFrom(qsizetype mark) {
    QStringList calls;
    for (const QString& entry : logFrom(mark)) {
        if (entry.startsWith("game:") || entry == "engine:TakeScreenShot" ||
            entry == "engine:UnloadDeck")
            calls << entry;
    }
    return calls;
}

// A mark on the table where the probe looks, so that a clear shows.
void markTable(Table& table) {
    gdi::SetPixel(table.hdc(), 2, 2, gdi::RGB(0, 255, 0));
    FixtureLog::setProbe(table.hdc(), 2, 2);
}

QString statusText(Table& table) {
    return table.form->statusBar()->findChild<QLabel*>()->text();
}

Step pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    return [=](Table& table) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(table.form->table(), &event);
    };
}

Step trigger(const QString& entry) {
    return [=](Table& table) { table.trigger(entry.toLatin1().constData()); };
}

// The table started with the game of every optional operation, its first refresh done.
bool startExtras(Table& table) {
    return table.start() &&
           QTest::qWaitFor([] { return !logFrom(0).filter("game:RefreshTable").isEmpty(); });
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

    void startUpToldTheFolderFirstAndRefreshesAfterTheFirstPaint() {
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(startExtras(table));
        QStringList names = gameCallsFrom(0);
        names.replaceInStrings(QRegularExpression(" .*"), QString());
        QCOMPARE(names, (QStringList{"game:SetInstallDir", "game:InitializeGame",
                                     "engine:TakeScreenShot", "game:RefreshTable"}));
        QVERIFY(gameCallsFrom(0).front().startsWith("game:SetInstallDir " + home.path() + " "));
    }

    // A window manager may give the shown window another size before its first paint:
    // the game deals once, for the size the window has when it is painted.
    void theFirstDealWaitsForTheFirstPaint() {
        TestHome home(extrasGame().bytes());
        Table table;
        QCOMPARE(table.form->startUp(), 0);
        markTable(table);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // no paint among them
        QVERIFY(logFrom(0).filter("game:RefreshTable").isEmpty());
        const QSize shown = table.form->table()->size();
        table.form->setWindowState(Qt::WindowNoState);
        table.form->resize(640, 480);
        QVERIFY(table.form->table()->size() != shown);
        QVERIFY(QTest::qWaitForWindowExposed(table.form.get()));
        QTRY_COMPARE(logFrom(0).filter("game:RefreshTable").size(), 1);
        QTest::qWait(20);
        const QStringList refreshes = logFrom(0).filter("game:RefreshTable");
        QCOMPARE(refreshes.size(), 1);
        QCOMPARE(withoutPointer(refreshes.front()), refreshEntry(table));
    }

    // Each entry of `calls` begins the game's call at its place ("%H" the table's hDC);
    // every RefreshTable comes onto a table just cleared, with the table's client size.
    void theGameIsCalled_data() {
        QTest::addColumn<Step>("setup");
        QTest::addColumn<Step>("action");
        QTest::addColumn<QString>("reply"); // "true" from the operation the row names
        QTest::addColumn<QStringList>("calls");
        const QString refresh = QStringLiteral("game:RefreshTable");
        const auto deck = [](const std::function<void(Form2*)>& step) {
            return Step([=](Table& t) { step(t.form->findChild<Form2*>()); });
        };
        QTest::newRow("resize") << Nothing << Step([](Table& t) { t.form->resize(640, 480); }) << ""
                                << QStringList{refresh};
        QTest::newRow("background")
            << Nothing << trigger("mnuBackground") << "" << QStringList{refresh};
        QTest::newRow("deck chooser OK")
            << trigger("mnuDeck") << deck([](Form2* d) { d->Command1_Click(); }) << ""
            << QStringList{refresh};
        QTest::newRow("deck chooser Cancel")
            << trigger("mnuDeck") << deck([](Form2* d) { d->Command2_Click(); }) << ""
            << QStringList{refresh};
        QTest::newRow("back chooser after the deck chooser") << Step([](Table& t) {
            t.trigger("mnuDeck");
            Form2* decks = t.form->findChild<Form2*>();
            decks->Command5_Click();
            decks->Command2_Click();
        }) << deck([](Form2* d) { d->backChooser()->Command1_Click(); })
                                                             << "" << QStringList{refresh};
        // The engine holds the previewed deck meanwhile: the table waits for the close.
        QTest::newRow("nothing while the deck chooser is open")
            << trigger("mnuDeck") << Step([](Table& t) {
                   t.form->resize(600, 400);
                   t.trigger("mnuBackground");
                   Form2* decks = t.form->findChild<Form2*>();
                   decks->Command5_Click();
                   decks->backChooser()->Command2_Click();
                   QTest::qWait(20);
                   decks->Command2_Click();
               })
            << "" << QStringList{refresh};
        for (const QString& entry : ExtraEntries) {
            QTest::newRow(qPrintable(entry))
                << Nothing << trigger(entry) << ""
                << QStringList{"engine:TakeScreenShot", "game:" + entry + "_Click hdc=%H busy=1"};
        }
        // The window's shortcuts take their keys before the game sees any.
        QTest::newRow("H is Hint")
            << Nothing << Step([](Table& t) { QTest::keyClick(t.form.get(), Qt::Key_H); }) << ""
            << QStringList{"engine:TakeScreenShot", "game:mnuHint_Click"};
        QTest::newRow("Ctrl+Shift+Z is Redo")
            << Nothing << Step([](Table& t) {
                   QTest::keyClick(t.form.get(), Qt::Key_Z,
                                   Qt::ControlModifier | Qt::ShiftModifier);
               })
            << ""
            << QStringList{"game:Form_KeyDown hdc=%H KeyCode=16777248 Shift=1",
                           "game:Form_KeyDown hdc=%H KeyCode=16777249 Shift=3",
                           "engine:TakeScreenShot", "game:mnuRedo_Click"};
        QTest::newRow("undo asks for a refresh")
            << Nothing << trigger("mnuUndo") << "mnuUndo_Click"
            << QStringList{"engine:TakeScreenShot", "game:mnuUndo_Click", refresh};
        QTest::newRow("Escape") << Nothing << pressKey(Qt::Key_Escape, {}) << ""
                                << QStringList{"game:Form_KeyDown hdc=%H KeyCode=16777216 Shift=0"};
        QTest::newRow("Shift+Ctrl+A asks for a refresh")
            << Nothing << pressKey(Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier)
            << "Form_KeyDown"
            << QStringList{"game:Form_KeyDown hdc=%H KeyCode=65 Shift=3", refresh};
        const QStringList saved{"game:SaveGame", "engine:UnloadDeck"};
        QTest::newRow("exit saves") << Nothing << trigger("mnuExit") << "" << saved;
        QTest::newRow("close saves")
            << Nothing << Step([](Table& t) { t.form->close(); }) << "" << saved;
        QTest::newRow("switching games saves first")
            << Nothing << Step([](Table& t) { t.form->startGame("Extras Game", "Extras"); }) << ""
            << QStringList{"game:SaveGame", "game:SetInstallDir", "game:InitializeGame", refresh};
    }
    void theGameIsCalled() {
        QFETCH(Step, setup);
        QFETCH(Step, action);
        QFETCH(QString, reply);
        QFETCH(QStringList, calls);
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(startExtras(table));
        setup(table);
        FixtureLog::setReply(reply, "true");
        markTable(table);
        const qsizetype mark = FixtureLog::entries().size();
        action(table);
        QTRY_COMPARE(gameCallsFrom(mark).size(), calls.size());
        const QStringList made = gameCallsFrom(mark);
        for (int i = 0; i < calls.size(); ++i) {
            const QString expected = calls[i].replace("%H", QString::number(table.hdc()));
            QVERIFY2(made[i].startsWith(expected), qPrintable(made.join("\n")));
            if (made[i].startsWith("game:RefreshTable"))
                QCOMPARE(withoutPointer(made[i]), refreshEntry(table));
        }
        QVERIFY(table.errors.messages.isEmpty());
    }

    void aGameWithoutTheOperationsIsAskedNothing_data() {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<bool>("offered");
        QTest::newRow("only the eight") << "Recording" << false;
        QTest::newRow("every optional operation") << "Extras" << true;
    }
    void aGameWithoutTheOperationsIsAskedNothing() {
        QFETCH(QString, plugin);
        QFETCH(bool, offered);
        SettingsText text;
        text.plugin = plugin;
        TestHome home(text.bytes());
        Table table;
        QVERIFY(table.start());
        for (int round = 0; round < 2; ++round) {
            for (const QString& name : ExtraEntries)
                QCOMPARE(table.form->menuAction(name)->isEnabled(), offered);
            QCOMPARE(table.form->statusBar()->isVisible(), offered);
            // The entries and the status bar follow a switch to the other game.
            table.form->startGame("Other", offered ? "Recording" : "Extras");
            offered = !offered;
        }
        if (plugin == "Recording") {
            const qsizetype mark = FixtureLog::entries().size();
            pressKey(Qt::Key_Escape, {})(table);
            table.form->resize(500, 300);
            QTest::qWait(20);
            QVERIFY(gameCallsFrom(mark).isEmpty());
        }
    }

    void statusBarShowsTheGamesStatus() {
        FixtureLog::setReply("StatusText", "Deal 7  Moves 0");
        TestHome home(extrasGame().bytes());
        Table table;
        QVERIFY(table.start());
        // From the refresh the table's first paint asks for.
        QTRY_COMPARE(statusText(table), QStringLiteral("Deal 7  Moves 0"));
        // At once after a call into the game.
        FixtureLog::setReply("StatusText", "Deal 7  Moves 1");
        table.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(statusText(table), QStringLiteral("Deal 7  Moves 1"));
        // The clock moves without any event.
        FixtureLog::setReply("StatusText", "Deal 7  Moves 1  0:01");
        QTRY_COMPARE_WITH_TIMEOUT(statusText(table), QStringLiteral("Deal 7  Moves 1  0:01"), 3000);
    }
};

QTEST_MAIN(GameExtrasTest)
#include "tst_gameextras.moc"
