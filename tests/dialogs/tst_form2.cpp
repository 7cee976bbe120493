// The deck chooser against a real card engine: selection rules, the preview's pixels and
// where they land, OK and Cancel, Add from description files, Remove.

#include "host/dialogs/form2.h"
#include "tests/dialogs/support/fakefilechooser.h"
#include "tests/dialogs/support/fakehost.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using halvane::Form2;
using halvane::HostSettings;
using halvane::test::FakeFileChooser;
using halvane::test::FakeHost;

namespace {

// Deck 1, 2, 3 of the fake host are A.bmp, B.bmp, C.bmp.
QImage card40(int deck) {
    return FakeHost::cell(FakeHost::sheet(deck), 0, 3 * 97);
}

QImage background(const Form2& dialog) {
    QImage image(71, 96, QImage::Format_RGB32);
    image.fill(dialog.palette().color(QPalette::Window));
    return image;
}

QImage preview(const Form2& dialog) {
    return FakeHost::cell(gdi::SurfaceImage(dialog.hDC()), 212, 40);
}

void setDecks(FakeHost& host, const QStringList& files) {
    host.settings().DeckFiles = files;
    host.settings().DeckNames.clear();
    for (const QString& file : files)
        host.settings().DeckNames.append(QStringLiteral("Deck ") + file);
}

QListWidget* list(Form2& dialog) {
    return dialog.findChild<QListWidget*>("List1");
}

void click(Form2& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

void clickRow(Form2& dialog, int row, Qt::KeyboardModifiers modifiers = {}) {
    QListWidget* box = list(dialog);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, modifiers,
                      box->visualItemRect(box->item(row)).center());
}

int selectedRow(Form2& dialog) {
    const auto selected = list(dialog)->selectedItems();
    return selected.isEmpty() ? -1 : list(dialog)->row(selected.first());
}

QStringList setDeckCalls(const FakeHost& host) {
    return host.recorder.calls.filter(QStringLiteral("SetDeck("));
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void loadSelectsCurrentDeck_data();
    void loadSelectsCurrentDeck();
    void previewDrawsOnTheDialogOnly();
    void selectingPreviewsWithoutMakingCurrent();
    void closing_data();
    void closing();
    void enterAndEscapeMeanNothing();
    void add_data();
    void add();
    void addRefused_data();
    void addRefused();
    void addToFullListIsRefused();
    void remove_data();
    void remove();
    void brokenPictureIsToldAndNeverMadeCurrent();
    void handlersShowTheWaitCursor();
    void openRaisesTheOneInstance();
};

void Form2Test::layout() {
    FakeHost host;
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Select A Deck"));
    QCOMPARE(dialog.size(), QSize(358, 276));
    QCOMPARE(dialog.previewRect(), QRect(212, 40, 71, 96));
    QCOMPARE(list(dialog)->geometry(), QRect(16, 8, 121, 212));
    const struct {
        const char* name;
        const char* caption;
        QRect place;
    } buttons[] = {{"Command3", "&Add...", {16, 232, 57, 33}},
                   {"Command4", "&Remove", {72, 232, 65, 33}},
                   {"Command1", "&OK", {168, 232, 57, 33}},
                   {"Command2", "&Cancel", {232, 232, 57, 33}},
                   {"Command5", "&Back...", {296, 232, 57, 33}}};
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    list(dialog)->setFocus();
    for (const auto& expected : buttons) {
        auto* button = dialog.findChild<QPushButton*>(expected.name);
        QVERIFY2(button, expected.name);
        QCOMPARE(button->text(), QString(expected.caption));
        QCOMPARE(button->geometry(), expected.place);
        QVERIFY(!button->isDefault() && !button->autoDefault());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // tab order as listed
        QCOMPARE(QApplication::focusWidget(), button);
    }
}

void Form2Test::loadSelectsCurrentDeck_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("previewDeck"); // 0: no card previewed
    QTest::newRow("current in the middle")
        << QStringList{"A.bmp", "B.bmp", "C.bmp"} << "B.bmp" << 1 << 2;
    QTest::newRow("several matches, the last wins")
        << QStringList{"B.bmp", "A.bmp", "B.bmp", "C.bmp"} << "B.bmp" << 2 << 2;
    QTest::newRow("no match selects the first")
        << QStringList{"C.bmp", "B.bmp"} << "A.bmp" << 0 << 3;
    QTest::newRow("case matters") << QStringList{"B.bmp", "A.BMP"} << "A.bmp" << 0 << 2;
    QTest::newRow("empty list selects nothing") << QStringList{} << "A.bmp" << -1 << 0;
}

void Form2Test::loadSelectsCurrentDeck() {
    QFETCH(QStringList, files);
    QFETCH(QString, current);
    QFETCH(int, row);
    QFETCH(int, previewDeck);
    FakeHost host({"A.bmp", "B.bmp", "C.bmp"}, current);
    setDecks(host, files);
    FakeFileChooser chooser;
    Form2 dialog(host, chooser, nullptr);
    dialog.open();

    QCOMPARE(selectedRow(dialog), row);
    QCOMPARE(dialog.ChosenDeck(), current);
    QCOMPARE(setDeckCalls(host),
             row < 0 ? QStringList() : QStringList{"SetDeck(" + files.at(row) + ")"});
    QCOMPARE(preview(dialog), previewDeck ? card40(previewDeck) : background(dialog));
    QCOMPARE(host.settings().CurrentDeckFile, current);
    QVERIFY(host.errors.isEmpty());
}

void Form2Test::previewDrawsOnTheDialogOnly() {
    FakeHost host; // InitializeDeck has just run: the table snapshot is pending
    setDecks(host, {"A.bmp", "B.bmp"});
    const QImage bareTable = host.tableImage();
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    dialog.open();
    clickRow(dialog, 1);
    QVERIFY(host.recorder.calls.contains("DrawCard(40,212,40,-1)"));
    QVERIFY(host.recorder.drawTargets.count(dialog.hDC()) == host.recorder.drawTargets.size());
    QCOMPARE(preview(dialog), card40(2));
    QCOMPARE(host.tableImage(), bareTable);

    // The first visible draw on the table takes the snapshot from the table, so
    // restoring the table brings back no trace of the preview.
    host.recorder.DrawCard(host.tableDc, 1, 300, 300);
    QImage expected = bareTable;
    QPainter(&expected).drawImage(300, 300, FakeHost::cell(FakeHost::sheet(2), 0, 0));
    QImage wiped(640, 480, QImage::Format_RGB32);
    wiped.fill(Qt::red);
    const gdi::HDC other = gdi::CreateCompatibleDC(0);
    const gdi::HBITMAP bitmap = gdi::CreateBitmapFromImage(wiped);
    gdi::SelectObject(other, bitmap);
    host.recorder.ReDraw(other);
    const QImage restored = gdi::SurfaceImage(other);
    gdi::DeleteDC(other);
    gdi::DeleteObject(bitmap);
    QCOMPARE(restored, expected);
}

void Form2Test::selectingPreviewsWithoutMakingCurrent() {
    FakeHost host;
    setDecks(host, {"A.bmp", "B.bmp", "C.bmp"});
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    dialog.open();
    host.recorder.clear();
    clickRow(dialog, 2);
    QCOMPARE(setDeckCalls(host), QStringList{"SetDeck(C.bmp)"});
    QCOMPARE(preview(dialog), card40(3));
    QCOMPARE(host.drawnCard(1), FakeHost::cell(FakeHost::sheet(3), 0, 0));
    QCOMPARE(host.recorder.GetCurrentDeck(), QString("A.bmp"));
    QCOMPARE(host.settings().CurrentDeckFile, QString("A.bmp"));
}

void Form2Test::closing_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("deck"); // current and loaded afterwards
    QTest::newRow("OK makes the selection current") << "ok"
                                                    << "B.bmp";
    QTest::newRow("double click makes it current") << "double click"
                                                   << "B.bmp";
    QTest::newRow("Cancel restores the deck of opening") << "cancel"
                                                         << "A.bmp";
    QTest::newRow("title bar close acts as Cancel") << "close"
                                                    << "A.bmp";
    QTest::newRow("OK with nothing selected keeps it") << "deselect, ok"
                                                       << "A.bmp";
}

void Form2Test::closing() {
    QFETCH(QString, how);
    QFETCH(QString, deck);
    FakeHost host;
    host.tableWindow()->show();
    setDecks(host, {"A.bmp", "B.bmp", "C.bmp"});
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    clickRow(dialog, 1);
    if (how == "ok") {
        click(dialog, "Command1");
    } else if (how == "cancel") {
        click(dialog, "Command2");
    } else if (how == "close") {
        dialog.close();
    } else if (how == "deselect, ok") {
        clickRow(dialog, 1, Qt::ControlModifier);
        QCOMPARE(selectedRow(dialog), -1);
        click(dialog, "Command1");
    } else {
        QListWidget* box = list(dialog);
        const QPoint at = box->visualItemRect(box->item(1)).center();
        QTest::mousePress(box->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, at);
    }
    QVERIFY(!dialog.isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), host.tableWindow());
    QCOMPARE(host.settings().CurrentDeckFile, deck);
    QCOMPARE(host.recorder.GetCurrentDeck(), deck);
    QCOMPARE(host.drawnCard(40), card40(deck == "A.bmp" ? 1 : 2));
    QVERIFY(host.errors.isEmpty());
}

void Form2Test::enterAndEscapeMeanNothing() {
    FakeHost host;
    setDecks(host, {"A.bmp", "B.bmp"});
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    dialog.open();
    clickRow(dialog, 1);
    QTest::keyClick(list(dialog), Qt::Key_Escape);
    QTest::keyClick(list(dialog), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(host.settings().CurrentDeckFile, QString("A.bmp"));
}

void Form2Test::add_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("webSite");
    QTest::newRow("entry line only") << QByteArray("Blue=B.bmp") << "Blue"
                                     << "B.bmp"
                                     << "old site";
    QTest::newRow("second = stays in the file") << QByteArray("a=b=c\r\n") << "a"
                                                << "b=c"
                                                << "old site";
    QTest::newRow("leading = gives an empty name") << QByteArray("=C.bmp\r\n") << ""
                                                   << "C.bmp"
                                                   << "old site";
    QTest::newRow("web site line replaces WebSite")
        << QByteArray("Blue=B.bmp\r\n[WebSite]\r\nwww.blue.example\r\n") << "Blue"
        << "B.bmp"
        << "www.blue.example";
    QTest::newRow("Latin-1, LF line ends")
        << QByteArray("Gr\xfcn=G.bmp\n[WebSite]\n\xe9t\xe9\n") << QString::fromUtf8("Grün")
        << "G.bmp" << QString::fromUtf8("été");
}

void Form2Test::add() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, webSite);
    FakeHost host;
    setDecks(host, {"B.bmp", "A.bmp"});
    host.settings().WebSite = "old site";
    FakeFileChooser files;
    files.answers << host.writeFile("new.ini", bytes);
    Form2 dialog(host, files, nullptr);
    dialog.open();
    click(dialog, "Command3");

    QCOMPARE(files.requests.size(), 1);
    QCOMPARE(files.requests[0].folder, QDir(host.installDir()).filePath("cards"));
    QCOMPARE(files.requests[0].filter, QString("*.ini"));
    QCOMPARE(host.settings().DeckNames, (QStringList{"Deck B.bmp", "Deck A.bmp", name}));
    QCOMPARE(host.settings().DeckFiles, (QStringList{"B.bmp", "A.bmp", file}));
    QCOMPARE(host.settings().WebSite, webSite);
    QCOMPARE(host.settings().CurrentDeckFile, QString("A.bmp"));
    QCOMPARE(list(dialog)->count(), 3);
    QCOMPARE(list(dialog)->item(2)->text(), name);
    QCOMPARE(selectedRow(dialog), 1); // back on the engine's current deck
    QCOMPARE(preview(dialog), card40(1));
    QVERIFY(host.errors.isEmpty());
}

void Form2Test::addRefused_data() {
    QTest::addColumn<QString>("fileName"); // empty: the user cancels the file dialog
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("file dialog cancelled") << "" << QByteArray() << "";
    QTest::newRow("missing file") << "missing.ini" << QByteArray() << "cannot be opened";
    QTest::newRow("empty file") << "empty.ini" << QByteArray("") << "is empty";
    QTest::newRow("no = on the first line")
        << "noeq.ini" << QByteArray("Blue\r\nx=y\r\n") << "has no \"=\"";
    QTest::newRow("ends with [WebSite]")
        << "site.ini" << QByteArray("Blue=b\r\n[WebSite]\r\n") << "ends with \"[WebSite]\"";
}

void Form2Test::addRefused() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, complaint);
    FakeHost host;
    setDecks(host, {"A.bmp"});
    FakeFileChooser files;
    if (!fileName.isEmpty()) {
        const QString path = QDir(host.installDir()).filePath(fileName);
        if (!bytes.isNull())
            host.writeFile(fileName, bytes);
        files.answers << path;
    }
    Form2 dialog(host, files, nullptr);
    dialog.open();
    const HostSettings before = host.settings();
    click(dialog, "Command3");
    QVERIFY(host.settings() == before);
    QCOMPARE(list(dialog)->count(), 1);
    if (complaint.isEmpty()) {
        QVERIFY(host.errors.isEmpty());
    } else {
        QCOMPARE(host.errors.size(), 1);
        QVERIFY2(host.errors[0].contains(fileName) && host.errors[0].contains(complaint),
                 qPrintable(host.errors[0]));
    }
}

void Form2Test::addToFullListIsRefused() {
    FakeHost host;
    QStringList many;
    for (int i = 0; i < HostSettings::MaxEntries; ++i)
        many << QStringLiteral("A.bmp");
    host.settings().DeckNames = many;
    host.settings().DeckFiles = many;
    FakeFileChooser files;
    files.answers << host.writeFile("one.ini", "One=one.bmp\r\n");
    Form2 dialog(host, files, nullptr);
    dialog.Command3_Click();
    QCOMPARE(host.settings().DeckCount(), HostSettings::MaxEntries);
    QVERIFY(files.requests.isEmpty());
    QCOMPARE(host.errors.size(), 1);
    QVERIFY(host.errors[0].contains("full"));
}

void Form2Test::remove_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("removeRow"); // -1: nothing selected
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selectedAfter");
    const QStringList abc{"A.bmp", "B.bmp", "C.bmp"};
    QTest::newRow("first, the current deck") << abc << 0 << QStringList{"B.bmp", "C.bmp"} << 0;
    QTest::newRow("middle") << abc << 1 << QStringList{"A.bmp", "C.bmp"} << 0;
    QTest::newRow("last") << abc << 2 << QStringList{"A.bmp", "B.bmp"} << 0;
    QTest::newRow("nothing selected") << abc << -1 << abc << -1;
    QTest::newRow("empty list") << QStringList{} << -1 << QStringList{} << -1;
}

void Form2Test::remove() {
    QFETCH(QStringList, files);
    QFETCH(int, removeRow);
    QFETCH(QStringList, left);
    QFETCH(int, selectedAfter);
    FakeHost host;
    setDecks(host, files);
    FakeFileChooser chooser;
    Form2 dialog(host, chooser, nullptr);
    dialog.open();
    if (removeRow >= 0)
        clickRow(dialog, removeRow);
    else if (!files.isEmpty())
        clickRow(dialog, 0, Qt::ControlModifier); // deselects the current deck's entry
    click(dialog, "Command4");

    QCOMPARE(host.settings().DeckFiles, left);
    QCOMPARE(host.settings().DeckNames.size(), left.size());
    for (int i = 0; i < left.size(); ++i)
        QCOMPARE(host.settings().DeckNames[i], "Deck " + left[i]);
    QCOMPARE(host.settings().CurrentDeckFile, QString("A.bmp"));
    QCOMPARE(host.recorder.GetCurrentDeck(), QString("A.bmp"));
    QCOMPARE(selectedRow(dialog), selectedAfter);
    if (selectedAfter >= 0)
        QCOMPARE(preview(dialog), card40(left[selectedAfter].at(0).unicode() - 'A' + 1));
    QVERIFY(host.errors.isEmpty());
}

void Form2Test::brokenPictureIsToldAndNeverMadeCurrent() {
    FakeHost host;
    setDecks(host, {"A.bmp", "Missing.bmp"});
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    dialog.open();
    clickRow(dialog, 1);
    QCOMPARE(host.errors.size(), 1);
    QVERIFY2(host.errors[0].contains("Missing.bmp"), qPrintable(host.errors[0]));
    QCOMPARE(preview(dialog), background(dialog));

    click(dialog, "Command1");
    QVERIFY(dialog.isVisible());
    QCOMPARE(host.errors.size(), 2);
    QCOMPARE(host.settings().CurrentDeckFile, QString("A.bmp"));
    QCOMPARE(host.recorder.GetCurrentDeck(), QString("A.bmp"));

    clickRow(dialog, 0);
    QCOMPARE(preview(dialog), card40(1));
    click(dialog, "Command1");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(host.drawnCard(40), card40(1));
}

void Form2Test::handlersShowTheWaitCursor() {
    FakeHost host;
    setDecks(host, {"A.bmp", "B.bmp"});
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    QStringList seen;
    host.recorder.onCall = [&](const halvane::test::RecordingEngine::Call& call) {
        if (!call.method.startsWith("Draw"))
            seen << call.text() + (dialog.cursor().shape() == Qt::WaitCursor ? " busy" : " idle");
    };
    dialog.open();
    clickRow(dialog, 1);
    click(dialog, "Command2");
    QCOMPARE(seen,
             (QStringList{"GetCurrentDeck() busy", "SetDeck(A.bmp) busy", "SetDeck(B.bmp) busy",
                          "SetCurrentDeck(A.bmp) busy", "SetDeck(A.bmp) busy"}));
    QCOMPARE(dialog.cursor().shape(), Qt::ArrowCursor);
}

void Form2Test::openRaisesTheOneInstance() {
    FakeHost host;
    setDecks(host, {"A.bmp", "B.bmp"});
    FakeFileChooser files;
    Form2 dialog(host, files, nullptr);
    dialog.open();
    clickRow(dialog, 1);
    host.recorder.clear();
    dialog.open(); // the menu entry again: the same dialog, not loaded afresh
    QVERIFY(host.recorder.calls.filter("GetCurrentDeck").isEmpty());
    QCOMPARE(selectedRow(dialog), 1);
    QVERIFY(!dialog.isModal());
    click(dialog, "Command2");
    dialog.open(); // after closing it loads afresh
    QCOMPARE(selectedRow(dialog), 0);
}

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
