// The table widget: mouse codes, what it hands on to the table window, and the two
// kinds of repaint (asked for by the window system, or presented by the host).

#include "host/mousecodes.h"
#include "host/tableevents.h"
#include "host/tablewidget.h"
#include "platform/gdi/gdi.h"

#include <QApplication>
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
