// The game chooser: selection rules, Add from game description files, Remove, and OK
// starting a game (or telling why it cannot) through the table host.

#include "host/dialogs/form4.h"
#include "tests/dialogs/support/fakefilechooser.h"
#include "tests/dialogs/support/fakehost.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using halvane::Form4;
using halvane::HostSettings;
using halvane::test::FakeFileChooser;
using halvane::test::FakeHost;

namespace {

void setGames(FakeHost& host, const QStringList& plugins, const QString& current = "Klondike") {
    host.settings().GamePlugins = plugins;
    host.settings().GameNames.clear();
    for (const QString& plugin : plugins)
        host.settings().GameNames.append(QStringLiteral("Game ") + plugin);
    host.settings().CurrentGameName = "Game " + current;
    host.settings().CurrentGamePlugin = current;
}

QListWidget* list(Form4& dialog) {
    return dialog.findChild<QListWidget*>("List1");
}

void click(Form4& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

void clickRow(Form4& dialog, int row, Qt::KeyboardModifiers modifiers = {}) {
    QListWidget* box = list(dialog);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, modifiers,
                      box->visualItemRect(box->item(row)).center());
}

int selectedRow(Form4& dialog) {
    const auto selected = list(dialog)->selectedItems();
    return selected.isEmpty() ? -1 : list(dialog)->row(selected.first());
}

} // namespace

class Form4Test : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void loadSelectsCurrentGame_data();
    void loadSelectsCurrentGame();
    void add_data();
    void add();
    void addSameFileTwice();
    void addRefused_data();
    void addRefused();
    void remove_data();
    void remove();
    void ok_data();
    void ok();
    void gameThatCannotStartChangesNothing();
    void cancelKeepsListChanges();
};

void Form4Test::layout() {
    FakeHost host;
    FakeFileChooser files;
    Form4 dialog(host, files, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Select Game"));
    QCOMPARE(dialog.size(), QSize(312, 213));
    QCOMPARE(list(dialog)->geometry(), QRect(16, 8, 177, 160));
    const struct {
        const char* name;
        const char* caption;
        QRect place;
    } buttons[] = {{"Command1", "&Add", {24, 176, 81, 33}},
                   {"Command2", "&Remove", {104, 176, 81, 33}},
                   {"Command3", "&OK", {216, 48, 81, 33}},
                   {"Command4", "&Cancel", {216, 104, 81, 33}}};
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    list(dialog)->setFocus();
    for (const auto& expected : buttons) {
        auto* button = dialog.findChild<QPushButton*>(expected.name);
        QVERIFY2(button, expected.name);
        QCOMPARE(button->text(), QString(expected.caption));
        QCOMPARE(button->geometry(), expected.place);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
    }
}

void Form4Test::loadSelectsCurrentGame_data() {
    QTest::addColumn<QStringList>("plugins");
    QTest::addColumn<int>("row");
    QTest::newRow("one match") << QStringList{"Spider", "Klondike", "Freecell"} << 1;
    QTest::newRow("several matches, the last wins")
        << QStringList{"Klondike", "Spider", "Klondike", "Freecell"} << 2;
    QTest::newRow("no match selects nothing") << QStringList{"Spider", "Freecell"} << -1;
    QTest::newRow("case matters") << QStringList{"klondike", "Spider"} << -1;
    QTest::newRow("empty list") << QStringList{} << -1;
}

void Form4Test::loadSelectsCurrentGame() {
    QFETCH(QStringList, plugins);
    QFETCH(int, row);
    FakeHost host;
    setGames(host, plugins);
    FakeFileChooser files;
    Form4 dialog(host, files, nullptr);
    dialog.open();
    QCOMPARE(list(dialog)->count(), plugins.size());
    for (int i = 0; i < plugins.size(); ++i)
        QCOMPARE(list(dialog)->item(i)->text(), "Game " + plugins[i]);
    QCOMPARE(selectedRow(dialog), row);
}

void Form4Test::add_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("plugin");
    QTest::newRow("entry line only") << QByteArray("Spider=Spider") << "Spider"
                                     << "Spider";
    QTest::newRow("second = stays in the plug-in name") << QByteArray("a=b=c\r\n") << "a"
                                                        << "b=c";
    QTest::newRow("leading = gives an empty name") << QByteArray("=Spider\r\n") << ""
                                                   << "Spider";
    QTest::newRow("trailing = gives an empty plug-in") << QByteArray("Spider=\r\n") << "Spider"
                                                       << "";
    QTest::newRow("web site line is read past")
        << QByteArray("Spider=Spider\r\n[WebSite]\r\nwww.spider.example\r\nX=Y\r\n") << "Spider"
        << "Spider";
}

void Form4Test::add() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, plugin);
    FakeHost host;
    setGames(host, {"Klondike", "Freecell"});
    host.settings().WebSite = "old site";
    FakeFileChooser files;
    files.answers << host.writeFile("new.gme", bytes);
    Form4 dialog(host, files, nullptr);
    dialog.open();
    const HostSettings before = host.settings();
    click(dialog, "Command1");

    QCOMPARE(files.requests.size(), 1);
    QCOMPARE(files.requests[0].folder, QDir(host.installDir()).filePath("games"));
    QCOMPARE(files.requests[0].filter, QString("*.gme"));
    QCOMPARE(host.settings().GameNames, (QStringList{"Game Klondike", "Game Freecell", name}));
    QCOMPARE(host.settings().GamePlugins, (QStringList{"Klondike", "Freecell", plugin}));
    QCOMPARE(selectedRow(dialog), 2); // the new entry, not yet current
    QCOMPARE(host.settings().CurrentGamePlugin, before.CurrentGamePlugin);
    QCOMPARE(host.settings().CurrentGameName, before.CurrentGameName);
    QCOMPARE(host.settings().WebSite, QString("old site"));
    QVERIFY(host.errors.isEmpty());
    QVERIFY(host.startedGames.isEmpty());
}

void Form4Test::addSameFileTwice() {
    FakeHost host;
    setGames(host, {"Freecell"}, "Spider");
    FakeFileChooser files;
    const QString path = host.writeFile("spider.gme", "Spider=Spider\r\n");
    files.answers << path << path;
    Form4 dialog(host, files, nullptr);
    dialog.open();
    click(dialog, "Command1");
    click(dialog, "Command1");
    QCOMPARE(host.settings().GamePlugins, (QStringList{"Freecell", "Spider", "Spider"}));
    click(dialog, "Command4");
    dialog.open();
    QCOMPARE(selectedRow(dialog), 2); // the current plug-in's last entry
}

void Form4Test::addRefused_data() {
    QTest::addColumn<QString>("fileName"); // empty: the user cancels the file dialog
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("file dialog cancelled") << "" << QByteArray() << "";
    QTest::newRow("missing file") << "missing.gme" << QByteArray() << "cannot be opened";
    QTest::newRow("empty file") << "empty.gme" << QByteArray("") << "is empty";
    QTest::newRow("no = on the first line")
        << "noeq.gme" << QByteArray("Spider\r\n") << "has no \"=\"";
    QTest::newRow("ends with [WebSite]")
        << "site.gme" << QByteArray("S=S\r\n[WebSite]") << "ends with \"[WebSite]\"";
    QTest::newRow("list full") << "full.gme" << QByteArray("S=S\r\n") << "full";
}

void Form4Test::addRefused() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, complaint);
    FakeHost host;
    setGames(host, {"Klondike"});
    if (complaint == "full") {
        host.settings().GameNames = QStringList(HostSettings::MaxEntries, "Game Klondike");
        host.settings().GamePlugins = QStringList(HostSettings::MaxEntries, "Klondike");
    }
    FakeFileChooser files;
    if (!fileName.isEmpty()) {
        if (!bytes.isNull())
            host.writeFile(fileName, bytes);
        files.answers << QDir(host.installDir()).filePath(fileName);
    }
    Form4 dialog(host, files, nullptr);
    dialog.Form_Load();
    const HostSettings before = host.settings();
    dialog.Command1_Click();
    QVERIFY(host.settings() == before);
    if (complaint.isEmpty()) {
        QVERIFY(host.errors.isEmpty());
    } else {
        QCOMPARE(host.errors.size(), 1);
        QVERIFY2(host.errors[0].contains(complaint), qPrintable(host.errors[0]));
        if (complaint != "full")
            QVERIFY2(host.errors[0].contains(fileName), qPrintable(host.errors[0]));
        else
            QVERIFY(files.requests.isEmpty());
    }
}

void Form4Test::remove_data() {
    QTest::addColumn<QStringList>("plugins");
    QTest::addColumn<int>("removeRow"); // -1: nothing selected
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selectedAfter");
    const QStringList three{"Spider", "Klondike", "Freecell"};
    QTest::newRow("first") << three << 0 << QStringList{"Klondike", "Freecell"} << 0;
    QTest::newRow("middle, the current game")
        << three << 1 << QStringList{"Spider", "Freecell"} << -1;
    QTest::newRow("last") << three << 2 << QStringList{"Spider", "Klondike"} << 1;
    QTest::newRow("nothing selected") << three << -1 << three << -1;
    QTest::newRow("empty list") << QStringList{} << -1 << QStringList{} << -1;
}

void Form4Test::remove() {
    QFETCH(QStringList, plugins);
    QFETCH(int, removeRow);
    QFETCH(QStringList, left);
    QFETCH(int, selectedAfter);
    FakeHost host;
    setGames(host, plugins);
    FakeFileChooser files;
    Form4 dialog(host, files, nullptr);
    dialog.open();
    if (removeRow >= 0)
        clickRow(dialog, removeRow);
    else if (!plugins.isEmpty())
        clickRow(dialog, 1, Qt::ControlModifier); // deselects the current game's entry
    click(dialog, "Command2");
    QCOMPARE(host.settings().GamePlugins, left);
    QCOMPARE(host.settings().GameNames.size(), left.size());
    for (int i = 0; i < left.size(); ++i)
        QCOMPARE(host.settings().GameNames[i], "Game " + left[i]);
    QCOMPARE(host.settings().CurrentGamePlugin, QString("Klondike"));
    QCOMPARE(host.settings().CurrentGameName, QString("Game Klondike"));
    QCOMPARE(selectedRow(dialog), selectedAfter);
    QVERIFY(host.startedGames.isEmpty());
}

void Form4Test::ok_data() {
    QTest::addColumn<int>("row"); // -1: deselect first
    QTest::addColumn<QStringList>("started");
    QTest::newRow("another game") << 2 << QStringList{"Game Freecell|Freecell"};
    QTest::newRow("the current game afresh") << 1 << QStringList{"Game Klondike|Klondike"};
    QTest::newRow("nothing selected only closes") << -1 << QStringList{};
}

void Form4Test::ok() {
    QFETCH(int, row);
    QFETCH(QStringList, started);
    FakeHost host;
    host.tableWindow()->show();
    setGames(host, {"Spider", "Klondike", "Freecell"});
    FakeFileChooser files;
    Form4 dialog(host, files, nullptr);
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    QStringList cursors;
    host.onStartGame = [&] {
        cursors << (dialog.cursor().shape() == Qt::WaitCursor ? "busy" : "idle");
    };
    clickRow(dialog, row < 0 ? 1 : row, row < 0 ? Qt::ControlModifier : Qt::NoModifier);
    click(dialog, "Command3");
    QCOMPARE(host.startedGames, started);
    QCOMPARE(cursors, QStringList(started.size(), "busy"));
    QVERIFY(!dialog.isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), host.tableWindow());
    QCOMPARE(dialog.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(host.errors.isEmpty());
}

void Form4Test::gameThatCannotStartChangesNothing() {
    FakeHost host;
    setGames(host, {"Klondike", "Broken"});
    host.brokenPlugins << "Broken";
    FakeFileChooser files;
    Form4 dialog(host, files, nullptr);
    dialog.open();
    clickRow(dialog, 1);
    const HostSettings before = host.settings();
    click(dialog, "Command3");
    QVERIFY(dialog.isVisible()); // the user can choose another
    QVERIFY(host.settings() == before);
    QCOMPARE(host.errors.size(), 1);
    QVERIFY2(host.errors[0].contains("Game Broken") && host.errors[0].contains("Broken.GamePlay"),
             qPrintable(host.errors[0]));
    clickRow(dialog, 0);
    click(dialog, "Command3");
    QCOMPARE(host.startedGames, QStringList{"Game Klondike|Klondike"});
    QVERIFY(!dialog.isVisible());
}

void Form4Test::cancelKeepsListChanges() {
    FakeHost host;
    setGames(host, {"Klondike", "Spider"});
    FakeFileChooser files;
    files.answers << host.writeFile("f.gme", "Freecell=Freecell\r\n");
    Form4 dialog(host, files, nullptr);
    dialog.open();
    clickRow(dialog, 1);
    click(dialog, "Command2");
    click(dialog, "Command1");
    dialog.close(); // the title bar: Cancel
    QVERIFY(!dialog.isVisible());
    QCOMPARE(host.settings().GamePlugins, (QStringList{"Klondike", "Freecell"}));
    QCOMPARE(host.settings().CurrentGamePlugin, QString("Klondike"));
    QVERIFY(host.startedGames.isEmpty());
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
