// The card back chooser: placement, the backs it draws and in which order, the selection
// from CARDBACK, OK and Cancel, and where the focus goes on closing.

#include "host/dialogs/form2.h"
#include "host/dialogs/form3.h"
#include "tests/dialogs/support/fakefilechooser.h"
#include "tests/dialogs/support/fakehost.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using halvane::Form2;
using halvane::Form3;
using halvane::test::FakeFileChooser;
using halvane::test::FakeHost;

namespace {

// Back n lies in the fifth row of the sheet, at x = 936 - 72 n.
QImage back(int deck, int n) {
    return FakeHost::cell(FakeHost::sheet(deck), 936 - 72 * n, 388);
}

void click(QWidget& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace

class Form3Test : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void buttonsFormOneGroup();
    void paintDrawsTheEightBacksInOrder();
    void loadSelectsCardBack_data();
    void loadSelectsCardBack();
    void okAndCancel_data();
    void okAndCancel();
    void backsFollowTheDeckPreview();
    void focusGoesBack_data();
    void focusGoesBack();
};

void Form3Test::layout_data() {
    QTest::addColumn<int>("back");
    QTest::addColumn<QPoint>("backAt");
    QTest::addColumn<QPoint>("buttonAt");
    const QPoint places[8][2] = {{{10, 10}, {45, 107}},    {{91, 10}, {126, 107}},
                                 {{172, 10}, {207, 107}},  {{253, 10}, {288, 107}},
                                 {{10, 124}, {45, 222}},   {{91, 124}, {126, 222}},
                                 {{172, 124}, {207, 222}}, {{253, 124}, {288, 222}}};
    for (int n = 1; n <= 8; ++n)
        QTest::addRow("back %d", n) << n << places[n - 1][0] << places[n - 1][1];
}

void Form3Test::layout() {
    QFETCH(int, back);
    QFETCH(QPoint, backAt);
    QFETCH(QPoint, buttonAt);
    FakeHost host;
    Form3 dialog(host, nullptr, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Select Back"));
    QCOMPARE(dialog.size(), QSize(334, 282));
    QCOMPARE(Form3::backPlace(back), backAt);
    QCOMPARE(dialog.option(back)->geometry(), QRect(buttonAt, QSize(17, 17)));
    QVERIFY(dialog.option(back)->text().isEmpty());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage shown = dialog.grab().toImage();
    const QColor background = dialog.palette().color(QPalette::HighlightedText);
    QCOMPARE(shown.pixelColor(buttonAt), background); // button and dialog share it
    QCOMPARE(shown.pixelColor(backAt - QPoint(1, 1)), background);
    QCOMPARE(dialog.findChild<QPushButton*>("Command1")->geometry(), QRect(64, 248, 81, 33));
    QCOMPARE(dialog.findChild<QPushButton*>("Command1")->text(), QString("&OK"));
    QCOMPARE(dialog.findChild<QPushButton*>("Command2")->geometry(), QRect(184, 248, 81, 33));
    QCOMPARE(dialog.findChild<QPushButton*>("Command2")->text(), QString("&Cancel"));
}

void Form3Test::buttonsFormOneGroup() {
    FakeHost host;
    Form3 dialog(host, nullptr, nullptr);
    dialog.open();
    for (int n = 1; n <= 8; ++n) {
        QTest::mouseClick(dialog.option(n), Qt::LeftButton);
        QCOMPARE(dialog.selectedBack(), n);
        for (int other = 1; other <= 8; ++other)
            QCOMPARE(dialog.option(other)->isChecked(), other == n);
    }
}

void Form3Test::paintDrawsTheEightBacksInOrder() {
    FakeHost host;
    Form3 dialog(host, nullptr, nullptr);
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    host.recorder.clear();
    dialog.repaint();
    QStringList expected;
    for (int n = 1; n <= 8; ++n) {
        const QPoint at = Form3::backPlace(n);
        expected << QStringLiteral("DrawBack(%1,%2,%3,-1)").arg(n).arg(at.x()).arg(at.y());
    }
    QCOMPARE(host.recorder.calls, expected);
    QCOMPARE(host.recorder.drawTargets, QList<std::int32_t>(8, dialog.hDC()));
    const QImage image = gdi::SurfaceImage(dialog.hDC());
    for (int n = 1; n <= 8; ++n) {
        const QPoint at = Form3::backPlace(n);
        QCOMPARE(FakeHost::cell(image, at.x(), at.y()), back(1, n));
    }
}

void Form3Test::loadSelectsCardBack_data() {
    QTest::addColumn<int>("cardBack");
    QTest::addColumn<int>("selected");
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("first") << 1 << 1;
    QTest::newRow("last") << 8 << 8;
    QTest::newRow("0 selects back 1") << 0 << 1;
    QTest::newRow("9 selects back 1") << 9 << 1;
    QTest::newRow("negative selects back 1") << -5 << 1;
}

void Form3Test::loadSelectsCardBack() {
    QFETCH(int, cardBack);
    QFETCH(int, selected);
    FakeHost host;
    host.setCardBack(std::int16_t(cardBack));
    Form3 dialog(host, nullptr, nullptr);
    dialog.open();
    QCOMPARE(dialog.selectedBack(), selected);
    QVERIFY(dialog.option(selected)->isChecked());
    QCOMPARE(host.cardBack(), cardBack); // opening changes nothing
}

void Form3Test::okAndCancel_data() {
    QTest::addColumn<int>("choose"); // 0: no click on a button
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("cardBack");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("OK unchanged") << 0 << "Command1" << 3 << QStringList{"SetCardBack(3)"};
    QTest::newRow("OK on the second of the second row")
        << 6 << "Command1" << 6 << QStringList{"SetCardBack(6)"};
    QTest::newRow("Cancel") << 6 << "Command2" << 3 << QStringList{};
    QTest::newRow("title bar close") << 6 << "" << 3 << QStringList{};
}

void Form3Test::okAndCancel() {
    QFETCH(int, choose);
    QFETCH(QString, button);
    QFETCH(int, cardBack);
    QFETCH(QStringList, calls);
    FakeHost host;
    host.setCardBack(3);
    host.recorder.SetCardBack(3);
    Form3 dialog(host, nullptr, nullptr);
    dialog.open();
    if (choose)
        QTest::mouseClick(dialog.option(choose), Qt::LeftButton);
    host.recorder.clear();
    if (button.isEmpty())
        dialog.close();
    else
        click(dialog, qPrintable(button));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(host.recorder.calls.filter("SetCardBack"), calls);
    QCOMPARE(int(host.cardBack()), cardBack);
    QCOMPARE(host.recorder.GetCardValue(105), com::Variant::fromInteger(14 - cardBack));
}

void Form3Test::backsFollowTheDeckPreview() {
    FakeHost host;
    host.settings().DeckNames = {"A", "B"};
    host.settings().DeckFiles = {"A.bmp", "B.bmp"};
    FakeFileChooser files;
    Form2 decks(host, files, nullptr);
    decks.open();
    click(decks, "Command5");
    Form3* backs = decks.backChooser();
    QVERIFY(backs && backs->isVisible());
    auto* box = decks.findChild<QListWidget*>("List1");
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                      box->visualItemRect(box->item(1)).center());
    QVERIFY(QTest::qWaitForWindowExposed(backs));
    backs->repaint();
    QCOMPARE(FakeHost::cell(gdi::SurfaceImage(backs->hDC()), 10, 124), back(2, 5));
    click(decks, "Command5"); // the one instance again
    QCOMPARE(decks.backChooser(), backs);
    int backChoosers = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        backChoosers += qobject_cast<Form3*>(window) != nullptr;
    QCOMPARE(backChoosers, 1);
}

void Form3Test::focusGoesBack_data() {
    QTest::addColumn<bool>("deckChooserOpen");
    QTest::newRow("to the deck chooser") << true;
    QTest::newRow("to the table once the deck chooser has closed") << false;
}

void Form3Test::focusGoesBack() {
    QFETCH(bool, deckChooserOpen);
    FakeHost host;
    host.tableWindow()->show();
    FakeFileChooser files;
    Form2 decks(host, files, nullptr);
    decks.open();
    click(decks, "Command5");
    Form3* backs = decks.backChooser();
    if (!deckChooserOpen)
        click(decks, "Command2");
    QVERIFY(backs->isVisible());
    QApplication::setActiveWindow(backs);
    click(*backs, "Command2");
    QWidget* expected = deckChooserOpen ? static_cast<QWidget*>(&decks) : host.tableWindow();
    QTRY_COMPARE(QApplication::activeWindow(), expected);
}

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
