// The table window: start-up order and failures, the caption, the card back, events and
// menu commands reaching the game, the snapshot before covering commands, the background
// colour, and shut-down writing the settings exactly once.

#include "fixturelog.h"
#include "tablefixture.h"

#include "host/dialogs/form2.h"
#include "host/dialogs/form4.h"
#include "host/errorreporter.h"
#include "host/filechooser.h"
#include "host/form1.h"
#include "host/messageboxreporter.h"
#include "host/tablewidget.h"
#include "platform/com/components.h"
#include "platform/gdi/gdi.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <optional>
#include <unistd.h>

using namespace halvane;
using halvane::fixture::FixtureLog;
using namespace halvane::test;

namespace {

// Runs `step` with standard error going to a file; returns what was written there.
QByteArray standardErrorOf(const std::function<void()>& step) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stderr"));
    std::fflush(stderr);
    const int saved = dup(2);
    FILE* capture = std::fopen(path.toLocal8Bit().constData(), "w");
    dup2(fileno(capture), 2);
    step();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::fclose(capture);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Step = std::function<void(Table&)>;

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(std::optional<QByteArray>)

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        com::ClearPluginFolders();
        com::AddPluginFolder(QStringLiteral(HALVANE_TEST_FIXTURE_DIR));
    }
    void init() { FixtureLog::clear(); }

    // --- Start-up ------------------------------------------------------------------------

    void startUpRunsInItsOrder() {
        TestHome home(SettingsText().bytes());
        Table table;
        FixtureLog::setProbe(table.hdc(), 2, 2);
        // Something on the window before the game starts; the clear must come after it.
        table.beforeEngineCall = [&](const QString& method) {
            if (method == "SetBackground")
                gdi::SetPixel(table.hdc(), 2, 2, gdi::RGB(255, 0, 0));
        };
        table.form->Form_Load();
        table.beforeEngineCall = nullptr;
        QCOMPARE(FixtureLog::entries(),
                 (QStringList{"engine:SetCurrentDirectory " + home.path(),
                              "engine:InitializeDeck Test.bmp", "engine:SetCardBack 5",
                              "engine:SetBackground ffffff",
                              "game:InitializeGame back=5 busy=0 probe=0000ff"}));
        // The window was cleared after InitializeGame, in the table's colour.
        QCOMPARE(gdi::GetPixel(table.hdc(), 2, 2), gdi::RGB(255, 255, 255));
        QVERIFY(table.form->firstPaint());
        QVERIFY(table.errors.messages.isEmpty());
    }

    void windowCoversTheScreen() {
        TestHome home(SettingsText().bytes());
        Table table;
        table.form->setGeometry(40, 50, 300, 200);
        QVERIFY(table.start());
        // The outer rectangle, frame included, is the screen's.
        QCOMPARE(table.form->frameGeometry(), table.form->screen()->geometry());
    }

    void captionIsGameNameOrrelbyAndWebSite_data() {
        QTest::addColumn<QString>("gameName");
        QTest::addColumn<QString>("webSite");
        QTest::addColumn<QString>("caption");
        QTest::newRow("name and web site") << "Recording Game"
                                           << "www.example.org"
                                           << "Recording Game - by Orrelby - www.example.org";
        QTest::newRow("empty web site ends in the blank") << "Spider Two"
                                                          << ""
                                                          << "Spider Two - by Orrelby - ";
        QTest::newRow("blanks kept as they stand") << " Padded "
                                                   << "  site  "
                                                   << " Padded  - by Orrelby -   site  ";
        QTest::newRow("empty name") << ""
                                    << "x"
                                    << " - by Orrelby - x";
    }
    void captionIsGameNameOrrelbyAndWebSite() {
        QFETCH(QString, gameName);
        QFETCH(QString, webSite);
        QFETCH(QString, caption);
        SettingsText text;
        text.gameName = gameName;
        text.webSite = webSite;
        TestHome home(text.bytes());
        Table table;
        QVERIFY(table.start());
        QCOMPARE(table.form->windowTitle(), caption);
    }

    // A caption beyond what the window system can carry is cut, not sent whole.
    void longCaptionIsCut() {
        SettingsText text;
        text.webSite = QString(20000, QLatin1Char('w'));
        TestHome home(text.bytes());
        Table table;
        QVERIFY(table.start());
        const QString caption = table.form->windowTitle();
        QCOMPARE(caption.size(), 1000);
        QVERIFY(caption.startsWith("Recording Game - by Orrelby - www"));
        QCOMPARE(caption.back(), QChar(0x2026));
    }

    // A deck picture gone since the last run: the standard deck stands in and the user
    // is told which deck is missing.
    void missingDeckFallsBackToTheStandardDeck() {
        SettingsText text;
        text.deckFile = "Gone.bmp";
        TestHome home(text.bytes());
        deckPicture().save(home.path() + "/cards/Standard.bmp", "BMP");
        Table table;
        QVERIFY(table.start());
        const QStringList decks = FixtureLog::entries().filter("engine:InitializeDeck");
        QCOMPARE(decks, (QStringList{"engine:InitializeDeck Gone.bmp",
                                     "engine:InitializeDeck Standard.bmp"}));
        QCOMPARE(table.form->settings().CurrentDeckFile, QStringLiteral("Standard.bmp"));
        QCOMPARE(table.errors.messages.size(), 1);
        const QString summary = table.errors.messages.front().section('\n', 0, 0);
        QVERIFY2(summary.contains("Gone.bmp") && summary.contains("standard deck"),
                 qPrintable(summary));
        QVERIFY(table.form->isVisible());
    }

    // Only backs 1 to 8 exist; any other number from the file becomes back 1 and never
    // reaches the engine.
    void cardBackFromTheFileIsInEffectForTheGame_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("back");
        QTest::newRow("back 5") << " 5 " << 5;
        QTest::newRow("back 1") << " 1 " << 1;
        QTest::newRow("back 8") << " 8 " << 8;
        QTest::newRow("back 0") << " 0 " << 1;
        QTest::newRow("back 9") << " 9 " << 1;
        QTest::newRow("negative back") << "-3 " << 1;
        QTest::newRow("letters read as 0") << "abc" << 1;
    }
    void cardBackFromTheFileIsInEffectForTheGame() {
        QFETCH(QString, line);
        QFETCH(int, back);
        SettingsText text;
        text.back = line;
        TestHome home(text.bytes());
        Table table;
        QVERIFY(table.start());
        QCOMPARE(int(table.form->cardBack()), back);
        const QStringList entries = FixtureLog::entries();
        QVERIFY(entries.contains(QStringLiteral("engine:SetCardBack %1").arg(back)));
        QCOMPARE(entries.filter("engine:SetCardBack").size(), 1);
        QVERIFY(
            !entries.filter(QStringLiteral("game:InitializeGame back=%1 ").arg(back)).isEmpty());
    }

    void startUpFailureIsReportedAndLeavesTheFileAlone_data() {
        QTest::addColumn<std::optional<QByteArray>>("settings");
        QTest::addColumn<QString>("failEngine");
        QTest::addColumn<QStringList>("named");
        const auto with = [](auto change) {
            SettingsText text;
            change(text);
            return std::optional<QByteArray>(text.bytes());
        };
        QTest::newRow("settings file missing")
            << std::optional<QByteArray>() << "" << QStringList{"solitaire.ini"};
        QTest::newRow("current game line without =")
            << std::optional<QByteArray>("[Current Game]\r\nNoEqualsSign\r\n\r\n") << ""
            << QStringList{"solitaire.ini"};
        QTest::newRow("deck list without its terminator")
            << std::optional<QByteArray>("[Decks]\r\nA=a.bmp\r\n") << ""
            << QStringList{"solitaire.ini"};
        // The settings file is at fault, not the plug-in.
        QTest::newRow("empty plug-in name")
            << with([](SettingsText& t) { t.plugin.clear(); }) << ""
            << QStringList{"solitaire.ini line 10", "names no plug-in"};
        QTest::newRow("empty settings file")
            << std::optional<QByteArray>("") << "" << QStringList{"solitaire.ini is empty"};
        QTest::newRow("plug-in not installed") << with([](SettingsText& t) { t.plugin = "Absent"; })
                                               << "" << QStringList{"Absent.GamePlay"};
        QTest::newRow("plug-in name in another case")
            << with([](SettingsText& t) { t.plugin = "recording"; }) << ""
            << QStringList{"recording.GamePlay"};
        QTest::newRow("plug-in serving another class id")
            << with([](SettingsText& t) { t.plugin = "Mislabelled"; }) << ""
            << QStringList{"Mislabelled.GamePlay"};
        QTest::newRow("plug-in without InitializeGame")
            << with([](SettingsText& t) { t.plugin = "NoInit"; }) << ""
            << QStringList{"NoInit.GamePlay", "InitializeGame"};
        QTest::newRow("InitializeGame throws")
            << with([](SettingsText& t) { t.plugin = "Throwing"; }) << ""
            << QStringList{"Throwing.GamePlay", "InitializeGame", "table layout file is missing"};
        QTest::newRow("deck picture missing")
            << with([](SettingsText& t) { t.deckFile = "Missing.bmp"; }) << ""
            << QStringList{"Missing.bmp"};
        QTest::newRow("engine call raises")
            << with([](SettingsText&) {}) << "engine:SetCardBack" << QStringList{"SetCardBack"};
    }
    void startUpFailureIsReportedAndLeavesTheFileAlone() {
        QFETCH(std::optional<QByteArray>, settings);
        QFETCH(QString, failEngine);
        QFETCH(QStringList, named);
        TestHome home(settings);
        const QByteArray before = home.ini();
        Table table;
        if (!failEngine.isEmpty())
            FixtureLog::failNext(failEngine);
        int status = 0;
        const QByteArray standardError = standardErrorOf([&] { status = table.form->startUp(); });
        QCOMPARE(status, 1);
        QCOMPARE(table.errors.messages.size(), 1);
        const QString message = table.errors.messages.front();
        QVERIFY2(message.startsWith("Halvane could not start."), qPrintable(message));
        for (const QString& part : named)
            QVERIFY2(message.contains(part), qPrintable(message));
        QVERIFY2(standardError.contains(message.toLocal8Bit()), standardError.constData());
        QVERIFY(!table.form->isVisible());
        // Closing after a failed start writes nothing either.
        table.form->close();
        QCOMPARE(home.ini(), before);
        QVERIFY(!table.form->exitStatus().has_value());
        QVERIFY(!FixtureLog::entries().contains("engine:UnloadDeck"));
    }

    // --- Painting --------------------------------------------------------------------------

    void firstPaintTakesTheSnapshotLaterPaintsRestore() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!table.form->firstPaint());
        const QStringList entries = FixtureLog::entries();
        const qsizetype shot = entries.indexOf("engine:TakeScreenShot");
        QVERIFY(shot > entries.indexOf(QRegularExpression("^game:InitializeGame")));
        QCOMPARE(entries.count("engine:TakeScreenShot"), 1);
        QVERIFY(!entries.mid(0, shot).contains("engine:ReDraw"));

        const qsizetype mark = FixtureLog::entries().size();
        table.form->table()->repaint();
        QCOMPARE(FixtureLog::entries().mid(mark), QStringList{"engine:ReDraw"});
        table.form->resize(table.form->width() - 10, table.form->height() - 10);
        QVERIFY(FixtureLog::entries().mid(mark).count("engine:ReDraw") >= 2);
    }

    void paintBeforeTheDeckChangesNothing() {
        TestHome home(SettingsText().bytes());
        Table table;
        gdi::SetPixel(table.hdc(), 5, 5, gdi::RGB(9, 8, 7));
        table.form->resize(400, 300);
        table.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.form.get()));
        table.form->table()->repaint();
        QCOMPARE(gdi::GetPixel(table.hdc(), 5, 5), gdi::RGB(9, 8, 7));
        QVERIFY(FixtureLog::entries().filter("engine:").isEmpty());
        QVERIFY(table.errors.messages.isEmpty());
    }

    // --- The mouse -------------------------------------------------------------------------

    void mouseEventsReachTheGameOnceInOrder() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        const qsizetype mark = FixtureLog::entries().size();
        const QString h = QString::number(table.hdc());
        table.mouse(QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton);
        table.mouse(QEvent::MouseMove, {12.5, 21}, Qt::NoButton, Qt::LeftButton);
        table.mouse(QEvent::MouseButtonRelease, {13, 22}, Qt::LeftButton, {});
        table.mouse(QEvent::MouseButtonPress, {30, 40}, Qt::RightButton, Qt::RightButton,
                    Qt::ShiftModifier | Qt::ControlModifier);
        table.mouse(QEvent::MouseMove, {31, 41}, Qt::NoButton, Qt::RightButton | Qt::MiddleButton,
                    Qt::AltModifier);
        table.mouse(QEvent::MouseButtonRelease, {32, 42}, Qt::RightButton, Qt::MiddleButton);
        // A real double click: press, release, double click, release.
        table.mouse(QEvent::MouseButtonPress, {50, 60}, Qt::LeftButton, Qt::LeftButton);
        table.mouse(QEvent::MouseButtonRelease, {50, 60}, Qt::LeftButton, {});
        table.mouse(QEvent::MouseButtonDblClick, {50, 60}, Qt::LeftButton, Qt::LeftButton);
        table.mouse(QEvent::MouseButtonRelease, {50, 60}, Qt::LeftButton, {});
        const QString tail = " busy=0 probe=-";
        QCOMPARE(
            logFrom(mark),
            (QStringList{"game:Form_MouseDown hdc=" + h + " Button=1 Shift=0 X=10 Y=20" + tail,
                         "game:Form_MouseMove hdc=" + h + " Button=1 Shift=0 X=12.5 Y=21" + tail,
                         "game:Form_MouseUp hdc=" + h + " Button=1 Shift=0 X=13 Y=22" + tail,
                         "game:Form_MouseDown hdc=" + h + " Button=2 Shift=3 X=30 Y=40" + tail,
                         "game:Form_MouseMove hdc=" + h + " Button=6 Shift=4 X=31 Y=41" + tail,
                         "game:Form_MouseUp hdc=" + h + " Button=2 Shift=0 X=32 Y=42" + tail,
                         "game:Form_MouseDown hdc=" + h + " Button=1 Shift=0 X=50 Y=60" + tail,
                         "game:Form_MouseUp hdc=" + h + " Button=1 Shift=0 X=50 Y=60" + tail,
                         "game:Form_DblClick hdc=" + h + tail,
                         "game:Form_MouseUp hdc=" + h + " Button=1 Shift=0 X=50 Y=60" + tail}));
    }

    // A command that covers the table first ends the press, as if released where the
    // pointer is; the real release that follows is not a second drop.
    void commandDuringAPressEndsItFirst_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("command");
        QTest::newRow("deal") << "mnuDeal"
                              << "game:mnuDeal_Click";
        QTest::newRow("settings") << "mnuSettings"
                                  << "engine:TakeScreenShot";
        QTest::newRow("instructions") << "MnuInstructions"
                                      << "engine:TakeScreenShot";
        QTest::newRow("deck chooser") << "mnuDeck"
                                      << "engine:TakeScreenShot";
        QTest::newRow("game chooser") << "mnuGame"
                                      << "engine:TakeScreenShot";
        QTest::newRow("background") << "mnuBackground"
                                    << "engine:SetBackground ffffff";
    }
    void commandDuringAPressEndsItFirst() {
        QFETCH(QString, menu);
        QFETCH(QString, command);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!table.form->firstPaint());
        const QString h = QString::number(table.hdc());
        const QString tail = " busy=0 probe=-";
        table.mouse(QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton);
        table.mouse(QEvent::MouseMove, {200, 150}, Qt::NoButton, Qt::LeftButton);
        qsizetype mark = FixtureLog::entries().size();
        table.trigger(menu.toLatin1().constData());
        const QStringList entries = logFrom(mark);
        QVERIFY(entries.size() >= 2);
        QCOMPARE(entries[0], "game:Form_MouseUp hdc=" + h + " Button=1 Shift=0 X=200 Y=150" + tail);
        QVERIFY2(entries[1].startsWith(command), qPrintable(entries[1]));
        // The button comes up after the command: no second drop, and moves hold no button.
        mark = FixtureLog::entries().size();
        table.mouse(QEvent::MouseMove, {205, 155}, Qt::NoButton, Qt::LeftButton);
        table.mouse(QEvent::MouseButtonRelease, {210, 160}, Qt::LeftButton, {});
        table.mouse(QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton);
        table.mouse(QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, {});
        QCOMPARE(
            logFrom(mark),
            (QStringList{"game:Form_MouseMove hdc=" + h + " Button=0 Shift=0 X=205 Y=155" + tail,
                         "game:Form_MouseDown hdc=" + h + " Button=1 Shift=0 X=5 Y=6" + tail,
                         "game:Form_MouseUp hdc=" + h + " Button=1 Shift=0 X=5 Y=6" + tail}));
        // Without a press, a command starts at once.
        mark = FixtureLog::entries().size();
        table.trigger(menu.toLatin1().constData());
        QVERIFY2(logFrom(mark).value(0).startsWith(command), qPrintable(logFrom(mark).join('|')));
    }

    // After a window over the table closes, the keyboard is the table's again, whichever
    // window the window system left active.
    void focusReturnsToTheTableAfterACoveringWindow_data() {
        QTest::addColumn<QString>("menu");
        QTest::newRow("game settings") << "mnuSettings";
        QTest::newRow("instructions") << "MnuInstructions";
        QTest::newRow("colour chooser") << "mnuBackground";
    }
    void focusReturnsToTheTableAfterACoveringWindow() {
        QFETCH(QString, menu);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QWidget elsewhere;
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        table.trigger(menu.toLatin1().constData());
        QTRY_COMPARE(QApplication::activeWindow(), table.form.get());
        QCOMPARE(QApplication::focusWidget(), table.form->table());
    }

    // Messages lead with a plain sentence; what only a developer reads (method names, the
    // engine's words) is the detail. A settings file fault is written for users: it
    // stays in the sentence.
    void messagesLeadWithAPlainSentence_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("detailNames");
        QTest::newRow("engine call at start-up") << SettingsText().bytes() << "engine:SetCardBack"
                                                 << ""
                                                 << "Halvane could not start."
                                                 << "SetCardBack";
        QTest::newRow("empty settings file")
            << QByteArray() << ""
            << ""
            << "Halvane could not start. " + QDir::tempPath() << "";
        QTest::newRow("game command while playing")
            << SettingsText().bytes() << "mnuSettings_Click"
            << "mnuSettings"
            << "Something went wrong while opening the game's settings; the table goes on."
            << "mnuSettings_Click";
    }
    void messagesLeadWithAPlainSentence() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, failure);
        QFETCH(QString, menu);
        QFETCH(QString, summary);
        QFETCH(QString, detailNames);
        TestHome home(settings);
        Table table;
        if (!failure.isEmpty())
            FixtureLog::failNext(failure);
        standardErrorOf([&] {
            if (table.form->startUp() == 0)
                table.trigger(menu.toLatin1().constData());
        });
        QCOMPARE(table.errors.parts.size(), 1);
        const auto& [shown, detail] = table.errors.parts.front();
        QVERIFY2(shown.startsWith(summary), qPrintable(shown));
        if (detailNames.isEmpty()) {
            QVERIFY(detail.isEmpty());
        } else {
            QVERIFY2(detail.contains(detailNames), qPrintable(detail));
            QVERIFY2(!shown.contains(detailNames), qPrintable(shown));
        }
    }

    void messageBoxShowsTheSentenceAndKeepsTheDetailAside() {
        const QString longSentence = "The deck picture cannot be used. " + QString(5000, 'x');
        QString text, detail;
        std::function<void()> answer = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                QTimer::singleShot(10, answer); // not up yet
                return;
            }
            text = box->text();
            detail = box->detailedText();
            box->accept();
        };
        QTimer::singleShot(0, answer);
        MessageBoxReporter().showError(nullptr, longSentence, "SetDeck: starts with \"BM\"");
        QCOMPARE(text.size(), 1000);
        QVERIFY(text.startsWith("The deck picture cannot be used. xxx"));
        QCOMPARE(detail, QStringLiteral("SetDeck: starts with \"BM\""));
    }

    // A message box takes the keyboard; once it is closed the table has it again.
    void focusReturnsToTheTableAfterAMessage() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QApplication::setActiveWindow(table.form.get());
        QVERIFY(QTest::qWaitForWindowActive(table.form.get()));
        QWidget box;
        table.errors.whileShown = [&box] {
            box.show();
            QApplication::setActiveWindow(&box);
            QVERIFY(QTest::qWaitForWindowActive(&box));
            box.hide();
        };
        FixtureLog::failNext("mnuDeal_Click");
        table.trigger("mnuDeal");
        QCOMPARE(table.errors.messages.size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), table.form.get());
        QCOMPARE(QApplication::focusWidget(), table.form->table());
    }

    // --- Menus -----------------------------------------------------------------------------

    // The fixed entries keep their captions, shortcuts and order whatever is added.
    void menusHaveTheirCaptionsAndShortcuts() {
        TestHome home(SettingsText().bytes());
        Table table;
        const QList<QAction*> menus = table.form->menuBar()->actions();
        QStringList titles;
        for (QAction* menu : menus)
            titles << menu->text();
        QCOMPARE(titles, (QStringList{"&Game", "&Options", "&Help"}));
        const QList<QStringList> entries{{"&Deal          ", "", "&Settings", "", "E&xit"},
                                         {"&Game", "&Deck", "&Background"},
                                         {"Instructions"}};
        const QList<QStringList> keys{
            {"F2", "", "Ctrl+S", "", ""}, {"Ctrl+G", "Ctrl+D", "Ctrl+B"}, {"Ctrl+I"}};
        for (int m = 0; m < menus.size(); ++m) {
            QStringList texts, shortcuts;
            for (QAction* entry : menus[m]->menu()->actions()) {
                // Entries added beside the fixed ones (their tests are elsewhere).
                if (entry->objectName().isEmpty() || ExtraEntries.contains(entry->objectName()))
                    continue;
                texts << entry->text();
                shortcuts << entry->shortcut().toString();
                if (!entry->isSeparator())
                    QCOMPARE(entry->shortcutContext(), Qt::ApplicationShortcut);
            }
            QCOMPARE(texts, entries[m]);
            QCOMPARE(shortcuts, keys[m]);
        }
    }

    // The card size comes from the program's own file; anything but "auto" or 1 to 4 is
    // Automatic, which is 1x on the 800 x 600 test screen.
    void cardSizeIsReadFromItsOwnFile_data() {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("scale");
        QTest::newRow("no file") << QByteArray() << "mnuCardSize0" << 1;
        QTest::newRow("automatic") << QByteArray("auto") << "mnuCardSize0" << 1;
        QTest::newRow("two") << QByteArray("2") << "mnuCardSize2" << 2;
        QTest::newRow("impossible seven") << QByteArray("7") << "mnuCardSize0" << 1;
        QTest::newRow("not a number") << QByteArray("big") << "mnuCardSize0" << 1;
    }
    void cardSizeIsReadFromItsOwnFile() {
        QFETCH(QByteArray, conf);
        QFETCH(QString, checked);
        QFETCH(int, scale);
        TestHome home(SettingsText().bytes());
        if (!conf.isNull()) {
            QFile file(home.path() + "/halvane.conf");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Table]\nCardSize=" + conf + "\n");
        }
        Table table;
        QVERIFY(table.start());
        QVERIFY(table.form->menuAction(checked)->isChecked());
        QCOMPARE(gdi::GetSurfaceScale(table.hdc()), scale);
        QCOMPARE(gdi::SurfaceImage(table.hdc()).size(), gdi::GetSurfaceSize(table.hdc()) * scale);
        table.form->Form_Unload();
        gdi::SetTableScale(1);
    }

    // A new size while playing: stored, surfaces made again at it, the table bare (the
    // recording game has no RefreshTable) and the mouse still in table pixels.
    void changingTheCardSizeRebuildsTheTable() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        const qsizetype mark = FixtureLog::entries().size();
        const QSize before = gdi::GetSurfaceSize(table.hdc());
        table.trigger("mnuCardSize2");
        QCOMPARE(gdi::GetSurfaceScale(table.hdc()), 2);
        QCOMPARE(gdi::GetSurfaceSize(table.hdc()), before / 2);
        QVERIFY(logFrom(mark).contains("engine:SetGraphics Test.bmp"));
        QCOMPARE(gdi::GetPixel(table.hdc(), before.width() / 2 - 1, before.height() / 2 - 1),
                 gdi::RGB(255, 255, 255));
        table.mouse(QEvent::MouseButtonPress, {60, 90}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(logFrom(mark).last().contains("X=30 Y=45"));
        const QByteArray ini = home.ini();
        table.form->Form_Unload();
        gdi::SetTableScale(1);
        QSettings conf(home.path() + "/halvane.conf", QSettings::IniFormat);
        QCOMPARE(conf.value("Table/CardSize").toString(), QString("2"));
        QCOMPARE(home.ini(), ini);
    }

    // Before anything covers the table its look is kept, so that it comes back after.
    void coveringCommandsTakeTheSnapshotFirst_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("gameCall");
        QTest::newRow("settings") << "mnuSettings"
                                  << "game:mnuSettings_Click";
        QTest::newRow("instructions") << "MnuInstructions"
                                      << "game:mnuInstructions_Click";
        QTest::newRow("deck chooser") << "mnuDeck"
                                      << "";
        QTest::newRow("game chooser") << "mnuGame"
                                      << "";
    }
    void coveringCommandsTakeTheSnapshotFirst() {
        QFETCH(QString, menu);
        QFETCH(QString, gameCall);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!table.form->firstPaint());
        const qsizetype mark = FixtureLog::entries().size();
        table.trigger(menu.toLatin1().constData());
        const QStringList entries = logFrom(mark);
        QVERIFY(!entries.isEmpty());
        QCOMPARE(entries.front(), QStringLiteral("engine:TakeScreenShot"));
        if (!gameCall.isEmpty()) {
            QCOMPARE(entries.size(), 2);
            // The hourglass shows while the game's command runs.
            QCOMPARE(entries[1],
                     gameCall + " hdc=" + QString::number(table.hdc()) + " busy=1 probe=-");
        }
        QCOMPARE(table.form->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(table.errors.messages.isEmpty());
    }

    void choosersOpenOneInstanceEach() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        for (int i = 0; i < 2; ++i) {
            table.trigger("mnuDeck");
            table.trigger("mnuGame");
        }
        const QList<Form2*> decks = table.form->findChildren<Form2*>();
        const QList<Form4*> games = table.form->findChildren<Form4*>();
        QCOMPARE(decks.size(), 1);
        QCOMPARE(games.size(), 1);
        QVERIFY(decks.front()->isVisible());
        QVERIFY(games.front()->isVisible());
        // The hourglass is gone by the time a modeless chooser shows.
        QCOMPARE(table.form->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(table.errors.messages.isEmpty());
    }

    // Opening and cancelling a chooser leaves the table as it was once it is repainted,
    // also when the chooser's preview is the first card drawn since the deck was set up.
    void cancelledChooserLeavesTheTableAsItWas_data() {
        QTest::addColumn<bool>("cardDealt");
        QTest::newRow("bare table") << false;
        QTest::newRow("a card dealt") << true;
    }
    void cancelledChooserLeavesTheTableAsItWas() {
        QFETCH(bool, cardDealt);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!table.form->firstPaint());
        if (cardDealt)
            table.engine->DealCard(table.hdc(), 1, 100, 80);
        const QImage before = gdi::SurfaceImage(table.hdc());
        table.trigger("mnuDeck");
        Form2* chooser = table.form->findChild<Form2*>();
        QVERIFY(chooser != nullptr);
        chooser->Command2_Click();
        table.form->table()->repaint();
        QCOMPARE(gdi::SurfaceImage(table.hdc()), before);
        QVERIFY(table.errors.messages.isEmpty());
    }

    void dealClearsTheTableBeforeTheGameDeals() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        gdi::SetPixel(table.hdc(), 3, 4, gdi::RGB(0, 255, 0));
        FixtureLog::setProbe(table.hdc(), 3, 4);
        const qsizetype mark = FixtureLog::entries().size();
        table.trigger("mnuDeal");
        QCOMPARE(logFrom(mark), QStringList{"game:mnuDeal_Click hdc=" +
                                            QString::number(table.hdc()) + " busy=1 probe=ffffff"});
        QCOMPARE(table.form->cursor().shape(), Qt::ArrowCursor);
    }

    void shortcutsWorkWhileAChooserIsActive_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("reaches");
        QTest::newRow("F2 deals") << int(Qt::Key_F2) << 0 << "game:mnuDeal_Click";
        QTest::newRow("Ctrl+S settings")
            << int(Qt::Key_S) << int(Qt::ControlModifier) << "game:mnuSettings_Click";
        QTest::newRow("Ctrl+I instructions")
            << int(Qt::Key_I) << int(Qt::ControlModifier) << "game:mnuInstructions_Click";
        QTest::newRow("Ctrl+D deck chooser")
            << int(Qt::Key_D) << int(Qt::ControlModifier) << "engine:TakeScreenShot";
    }
    void shortcutsWorkWhileAChooserIsActive() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, reaches);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QDialog chooser(table.form.get());
        chooser.show();
        QApplication::setActiveWindow(&chooser);
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        const qsizetype mark = FixtureLog::entries().size();
        QTest::keyClick(&chooser, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(logFrom(mark).filter(reaches).size(), 1);
    }

    void backgroundChooserAppliesTheColour_data() {
        QTest::addColumn<std::optional<QColor>>("answer");
        QTest::addColumn<QColor>("applied");
        QTest::addColumn<QString>("colorref");
        QTest::newRow("blue chosen")
            << std::optional<QColor>(QColor(0, 0, 255)) << QColor(0, 0, 255) << "ff0000";
        QTest::newRow("dark red chosen")
            << std::optional<QColor>(QColor(128, 0, 0)) << QColor(128, 0, 0) << "000080";
        QTest::newRow("cancelled: white again")
            << std::optional<QColor>() << QColor(Qt::white) << "ffffff";
    }
    void backgroundChooserAppliesTheColour() {
        QFETCH(std::optional<QColor>, answer);
        QFETCH(QColor, applied);
        QFETCH(QString, colorref);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!table.form->firstPaint());
        table.colors.answer = answer;
        const qsizetype mark = FixtureLog::entries().size();
        table.trigger("mnuBackground");
        QCOMPARE(table.colors.openedOn, QList<QColor>{QColor(Qt::white)});
        QCOMPARE(table.form->backColor(), applied);
        // Applied to the deck, then the table restored from the engine's copy.
        const QStringList entries = FixtureLog::entries().mid(mark);
        QCOMPARE(entries.mid(0, 2),
                 (QStringList{"engine:SetBackground " + colorref, "engine:ReDraw"}));
        // The next deal clears in the new colour.
        FixtureLog::setProbe(table.hdc(), 1, 1);
        table.trigger("mnuDeal");
        QVERIFY(FixtureLog::entries().last().endsWith("probe=" + colorref));
        // The chooser opens on the colour now in use.
        table.trigger("mnuBackground");
        QCOMPARE(table.colors.openedOn.last(), applied);
    }

    // --- Failures while playing ------------------------------------------------------------

    void failureWhilePlayingIsReportedAndPlayGoesOn_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("reaches");
        QTest::newRow("mouse down fails") << "Form_MouseDown" << Step([](Table& t) {
            t.mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        }) << "game:Form_MouseDown";
        QTest::newRow("deal fails")
            << "mnuDeal_Click" << Step([](Table& t) { t.trigger("mnuDeal"); })
            << "game:mnuDeal_Click";
        QTest::newRow("snapshot before instructions fails")
            << "engine:TakeScreenShot" << Step([](Table& t) { t.trigger("MnuInstructions"); })
            << "game:mnuInstructions_Click";
        QTest::newRow("restore while painting fails")
            << "engine:ReDraw" << Step([](Table& t) { t.form->table()->repaint(); })
            << "engine:ReDraw";
        QTest::newRow("background fails")
            << "engine:SetBackground" << Step([](Table& t) { t.trigger("mnuBackground"); })
            << "engine:SetBackground";
    }
    void failureWhilePlayingIsReportedAndPlayGoesOn() {
        QFETCH(QString, failure);
        QFETCH(Step, step);
        QFETCH(QString, reaches);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!table.form->firstPaint());
        FixtureLog::failNext(failure);
        qsizetype mark = FixtureLog::entries().size();
        step(table);
        QTRY_COMPARE(table.errors.messages.size(), 1);
        const QString operation = failure.section(':', -1);
        QVERIFY2(table.errors.messages.front().contains(operation),
                 qPrintable(table.errors.messages.front()));
        QVERIFY(FixtureLog::entries().mid(mark).filter(reaches).isEmpty());
        QCOMPARE(table.form->cursor().shape(), Qt::ArrowCursor);
        // The same step goes through the next time.
        mark = FixtureLog::entries().size();
        step(table);
        QCoreApplication::processEvents();
        QCOMPARE(table.errors.messages.size(), 1);
        QVERIFY(!FixtureLog::entries().mid(mark).filter(reaches).isEmpty());
        QVERIFY(table.form->isVisible());
    }

    // Paints keep coming while the user reads about a failed one: one message, not one
    // per paint.
    void failingPaintsAreReportedOnce() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        QTRY_VERIFY(!table.form->firstPaint());
        for (int i = 0; i < 3; ++i) {
            FixtureLog::failNext("engine:ReDraw");
            table.form->table()->repaint();
        }
        QVERIFY(table.errors.messages.isEmpty()); // never from inside a paint
        QTRY_COMPARE(table.errors.messages.size(), 1);
        QTest::qWait(20);
        QCOMPARE(table.errors.messages.size(), 1);
        QVERIFY(table.errors.messages.front().contains("ReDraw"));
    }

    void missingOperationIsReportedAndPlayGoesOn() {
        SettingsText text;
        text.plugin = "Partial";
        TestHome home(text.bytes());
        Table table;
        QVERIFY(table.start());
        table.mouse(QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(table.errors.messages.size(), 1);
        QVERIFY(table.errors.messages.front().contains("Partial.GamePlay"));
        QVERIFY(table.errors.messages.front().contains("Form_DblClick"));
        table.mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, {});
        QVERIFY(FixtureLog::entries().contains("partial:Form_MouseUp"));
    }

    // --- Switching games -------------------------------------------------------------------

    void startGameMakesTheNewGameCurrent() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        const qsizetype mark = FixtureLog::entries().size();
        table.form->startGame("Partial Game", "Partial");
        QCOMPARE(logFrom(mark), QStringList{"partial:InitializeGame"});
        QCOMPARE(table.form->settings().CurrentGameName, QStringLiteral("Partial Game"));
        QCOMPARE(table.form->settings().CurrentGamePlugin, QStringLiteral("Partial"));
        QCOMPARE(table.form->windowTitle(),
                 QStringLiteral("Partial Game - by Orrelby - www.example.org"));
        table.mouse(QEvent::MouseButtonRelease, {1, 1}, Qt::LeftButton, {});
        QVERIFY(FixtureLog::entries().contains("partial:Form_MouseUp"));
    }

    void failedStartGameChangesNothing_data() {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not installed") << "Absent"
                                       << "Absent.GamePlay";
        QTest::newRow("InitializeGame throws") << "Throwing"
                                               << "table layout file is missing";
        QTest::newRow("no InitializeGame") << "NoInit"
                                           << "InitializeGame";
    }
    void failedStartGameChangesNothing() {
        QFETCH(QString, plugin);
        QFETCH(QString, reason);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        const HostSettings before = table.form->settings();
        const QString caption = table.form->windowTitle();
        QString message;
        try {
            table.form->startGame("Other", plugin);
        } catch (const std::exception& error) {
            message = QString::fromUtf8(error.what());
        }
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(table.form->settings(), before);
        QCOMPARE(table.form->windowTitle(), caption);
        // The running game still plays.
        const qsizetype mark = FixtureLog::entries().size();
        table.mouse(QEvent::MouseButtonPress, {7, 7}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(logFrom(mark).filter("game:Form_MouseDown").size(), 1);
    }

    // --- Shut-down -------------------------------------------------------------------------

    void exitAndCloseSaveExactlyOnce_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("exit") << QStringList{"exit"};
        QTest::newRow("close") << QStringList{"close"};
        QTest::newRow("exit, then close") << QStringList{"exit", "close"};
        QTest::newRow("close, then exit") << QStringList{"close", "exit"};
    }
    void exitAndCloseSaveExactlyOnce() {
        QFETCH(QStringList, steps);
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        table.form->settings().WebSite = "changed.example.org";
        table.form->setCardBack(3);
        SettingsText expected;
        expected.webSite = "changed.example.org";
        expected.back = " 3 ";
        for (int i = 0; i < steps.size(); ++i) {
            if (steps[i] == "exit")
                table.trigger("mnuExit");
            else
                table.form->close();
            if (i == 0) {
                QCOMPARE(home.ini(), expected.bytes());
                home.write("written by the test");
            }
        }
        QCOMPARE(home.ini(), QByteArray("written by the test"));
        QCOMPARE(FixtureLog::entries().count("engine:UnloadDeck"), 1);
        QCOMPARE(table.form->exitStatus(), std::optional<int>(0));
        QVERIFY(!table.form->isVisible());
        QVERIFY(table.errors.messages.isEmpty());
    }

    void failedSaveIsReported() {
        TestHome home(SettingsText().bytes());
        Table table;
        QVERIFY(table.start());
        // A folder where the file should be: the write fails, whoever runs the test.
        QVERIFY(QFile::remove(home.iniPath()));
        QVERIFY(QDir(home.path()).mkdir("solitaire.ini"));
        const QByteArray standardError = standardErrorOf([&] { table.trigger("mnuExit"); });
        QCOMPARE(table.errors.messages.size(), 1);
        QVERIFY2(table.errors.messages.front().contains("solitaire.ini"),
                 qPrintable(table.errors.messages.front()));
        QVERIFY(standardError.contains("solitaire.ini"));
        QCOMPARE(table.form->exitStatus(), std::optional<int>(1));
        QCOMPARE(FixtureLog::entries().count("engine:UnloadDeck"), 1);
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
