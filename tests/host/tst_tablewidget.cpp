// The table widget: mouse codes, what it hands on to the table window, and the two
// kinds of repaint (asked for by the window system, or presented by the host).

#include "host/mousecodes.h"
#include "host/tableevents.h"
#include "host/tablewidget.h"
#include "platform/gdi/gdi.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <functional>

using namespace halvane;

namespace {

class RecordingEvents : public TableEvents {
public:
    QStringList calls;
    std::function<void()> onPaint; // what Form_Paint does to the image, if anything

    void Form_Paint() override {
        calls << QStringLiteral("paint");
        if (onPaint)
            onPaint();
    }
    void Form_Resize() override { calls << QStringLiteral("resize"); }
    void Form_MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
        calls << QStringLiteral("down %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    }
    void Form_MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
        calls << QStringLiteral("move %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    }
    void Form_MouseUp(std::int16_t b, std::int16_t s, float x, float y) override {
        calls << QStringLiteral("up %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    }
    void Form_DblClick() override { calls << QStringLiteral("dblclick"); }

    int count(const QString& call) const { return int(calls.count(call)); }
};

QMouseEvent mouseEvent(QEvent::Type type, QPointF at, Qt::MouseButton button,
                       Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    return QMouseEvent(type, at, at, button, buttons, modifiers);
}

// What the window shows on screen (the offscreen platform composes its backing store).
QRgb shownPixel(QWidget& widget, QPoint at) {
    const QPoint global = widget.mapTo(widget.window(), at);
    const QImage shot = widget.screen()
                            ->grabWindow(widget.window()->winId(), global.x(), global.y(), 1, 1)
                            .toImage();
    return shot.pixel(0, 0) & 0xFFFFFF;
}

} // namespace

Q_DECLARE_METATYPE(Qt::MouseButtons)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TableWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void buttonCodes_data() {
        QTest::addColumn<Qt::MouseButtons>("buttons");
        QTest::addColumn<int>("code");
        QTest::newRow("none") << Qt::MouseButtons() << 0;
        QTest::newRow("left") << Qt::MouseButtons(Qt::LeftButton) << 1;
        QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << 2;
        QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton) << 4;
        QTest::newRow("left and right") << (Qt::LeftButton | Qt::RightButton) << 3;
        QTest::newRow("all three") << (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton) << 7;
        QTest::newRow("back button counts for nothing") << Qt::MouseButtons(Qt::BackButton) << 0;
        QTest::newRow("back with left") << (Qt::BackButton | Qt::LeftButton) << 1;
    }
    void buttonCodes() {
        QFETCH(Qt::MouseButtons, buttons);
        QFETCH(int, code);
        QCOMPARE(int(MouseCodes::button(buttons)), code);
    }

    void shiftCodes_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("none") << Qt::KeyboardModifiers() << 0;
        QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
        QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
        QTest::newRow("alt") << Qt::KeyboardModifiers(Qt::AltModifier) << 4;
        QTest::newRow("shift and ctrl") << (Qt::ShiftModifier | Qt::ControlModifier) << 3;
        QTest::newRow("all three")
            << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
        QTest::newRow("meta counts for nothing") << Qt::KeyboardModifiers(Qt::MetaModifier) << 0;
        QTest::newRow("keypad counts for nothing")
            << (Qt::KeypadModifier | Qt::ControlModifier) << 2;
    }
    void shiftCodes() {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, code);
        QCOMPARE(int(MouseCodes::shift(modifiers)), code);
    }

    void mouseEventsAreHandedOn_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("expected");
        const int press = QEvent::MouseButtonPress, move = QEvent::MouseMove,
                  release = QEvent::MouseButtonRelease;
        QTest::newRow("left press") << press << int(Qt::LeftButton) << int(Qt::LeftButton) << 0
                                    << QPointF(10, 20) << "down 1 0 10 20";
        QTest::newRow("right press with shift")
            << press << int(Qt::RightButton) << int(Qt::RightButton) << int(Qt::ShiftModifier)
            << QPointF(5, 6) << "down 2 1 5 6";
        QTest::newRow("middle press, left held: the button that went down")
            << press << int(Qt::MiddleButton) << int(Qt::LeftButton | Qt::MiddleButton) << 0
            << QPointF(1, 2) << "down 4 0 1 2";
        QTest::newRow("move with left held and ctrl")
            << move << int(Qt::NoButton) << int(Qt::LeftButton) << int(Qt::ControlModifier)
            << QPointF(30.5, 40.25) << "move 1 2 30.5 40.25";
        QTest::newRow("move with left and right held")
            << move << int(Qt::NoButton) << int(Qt::LeftButton | Qt::RightButton) << 0
            << QPointF(3, 4) << "move 3 0 3 4";
        QTest::newRow("move with nothing held")
            << move << int(Qt::NoButton) << 0 << 0 << QPointF(7, 8) << "move 0 0 7 8";
        QTest::newRow("left release: no button held any more")
            << release << int(Qt::LeftButton) << 0 << 0 << QPointF(11, 12) << "up 1 0 11 12";
        QTest::newRow("right release with alt and shift")
            << release << int(Qt::RightButton) << 0 << int(Qt::AltModifier | Qt::ShiftModifier)
            << QPointF(0, 0) << "up 2 5 0 0";
    }
    void mouseEventsAreHandedOn() {
        QFETCH(int, type);
        QFETCH(int, button);
        QFETCH(int, buttons);
        QFETCH(int, modifiers);
        QFETCH(QPointF, at);
        QFETCH(QString, expected);
        RecordingEvents events;
        TableWidget table(events);
        table.resize(200, 100);
        QMouseEvent event = mouseEvent(QEvent::Type(type), at, Qt::MouseButton(button),
                                       Qt::MouseButtons(buttons), Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(&table, &event);
        QCOMPARE(events.calls.filter(QRegularExpression("^(down|move|up|dblclick)")),
                 QStringList{expected});
    }

    // Under X a double click is press, release, double click, release; the game gets the
    // double click as such, never as a second press.
    void doubleClickArrivesAsItsOwnEvent() {
        RecordingEvents events;
        TableWidget table(events);
        table.resize(200, 100);
        const QPointF at(15, 25);
        auto press = mouseEvent(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, {});
        auto release = mouseEvent(QEvent::MouseButtonRelease, at, Qt::LeftButton, {}, {});
        auto dbl = mouseEvent(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, {});
        auto release2 = mouseEvent(QEvent::MouseButtonRelease, at, Qt::LeftButton, {}, {});
        for (QMouseEvent* event : {&press, &release, &dbl, &release2})
            QApplication::sendEvent(&table, event);
        QCOMPARE(events.calls.filter(QRegularExpression("^(down|move|up|dblclick)")),
                 (QStringList{"down 1 0 15 25", "up 1 0 15 25", "dblclick", "up 1 0 15 25"}));
    }

    void imageCoversTheScreenAndGrowsWithTheWidget() {
        gdi::SetScreenPixels(QSize(640, 480));
        RecordingEvents events;
        TableWidget table(events);
        QCOMPARE(gdi::GetSurfaceSize(table.hDC()), QSize(640, 480));
        gdi::SetPixel(table.hDC(), 100, 50, gdi::RGB(10, 20, 30));
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.resize(900, 300); // wider than the screen
        QCOMPARE(gdi::GetSurfaceSize(table.hDC()), QSize(900, 480));
        // What the engine drew before the image grew is still there.
        QCOMPARE(gdi::GetPixel(table.hDC(), 100, 50), gdi::RGB(10, 20, 30));
        gdi::SetScreenPixels(QSize());
    }

    void clearFillsTheWholeImage() {
        RecordingEvents events;
        TableWidget table(events);
        gdi::TakeDirtyRect(table.hDC());
        table.clear(QColor(0, 128, 255));
        const QSize size = gdi::GetSurfaceSize(table.hDC());
        for (const QPoint at : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1),
                                QPoint(size.width() / 2, 3)})
            QCOMPARE(gdi::GetPixel(table.hDC(), at.x(), at.y()), gdi::RGB(0, 128, 255));
        QCOMPARE(gdi::TakeDirtyRect(table.hDC()), QRect(QPoint(0, 0), size));
    }

    void paintAskedForBySystemRunsFormPaint() {
        RecordingEvents events;
        TableWidget table(events);
        table.resize(300, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const int before = events.count("paint");
        QVERIFY(before >= 1); // the first exposure
        table.repaint();
        QCOMPARE(events.count("paint"), before + 1);
    }

    // A presented frame only shows the image: Form_Paint would restore the table from
    // the engine's copy and wipe a card that lives on the window alone.
    void presentedFramesNeverRunFormPaint() {
        RecordingEvents events;
        TableWidget table(events);
        table.setFramePace(std::chrono::milliseconds(0));
        table.resize(300, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QTest::qWait(0);
        const int before = events.count("paint");

        gdi::SetPixel(table.hDC(), 40, 30, gdi::RGB(255, 0, 0));
        table.present(QRect(40, 30, 1, 1));
        QCOMPARE(shownPixel(table, QPoint(40, 30)), qRgb(255, 0, 0) & 0xFFFFFF);

        gdi::SetPixel(table.hDC(), 41, 30, gdi::RGB(0, 0, 255));
        QVERIFY(gdi::GdiFlush(table.hDC())); // the engine's end of an animation frame
        QCOMPARE(shownPixel(table, QPoint(41, 30)), qRgb(0, 0, 255) & 0xFFFFFF);

        gdi::SetPixel(table.hDC(), 42, 30, gdi::RGB(0, 255, 0));
        table.presentChanges();
        QCOMPARE(shownPixel(table, QPoint(42, 30)), qRgb(0, 255, 0) & 0xFFFFFF);

        QCOMPARE(events.count("paint"), before);
    }

    // Form_Paint restores the whole table; what it changed outside the area being
    // painted must reach the screen too.
    void changesOutsideAPartialPaintAreShownAfterIt() {
        RecordingEvents events;
        TableWidget table(events);
        table.setFramePace(std::chrono::milliseconds(0));
        table.resize(300, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QTest::qWait(0);
        events.onPaint = [&] { gdi::SetPixel(table.hDC(), 250, 150, gdi::RGB(1, 2, 3)); };
        table.repaint(QRect(0, 0, 10, 10));
        events.onPaint = nullptr;
        QTRY_COMPARE(shownPixel(table, QPoint(250, 150)), qRgb(1, 2, 3) & 0xFFFFFF);
    }

    void resizeTellsTheWindow() {
        RecordingEvents events;
        TableWidget table(events);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const int before = events.count("resize");
        table.resize(table.width() + 20, table.height() + 10);
        QCOMPARE(events.count("resize"), before + 1);
    }
};

QTEST_MAIN(TableWidgetTest)
#include "tst_tablewidget.moc"
