// The second baseline of the start-up benchmark: the least work of any table that keeps a
// screen-sized copy of itself and repaints from it, with no deck, cards or game. Beside
// the bare window it shows what that repaint strategy costs by itself; beside the table
// program, what the program adds to it.
//
// The window has a menu bar, so that it sets up fonts as the table must. Its table is a
// screen-sized window image and a table copy in the table's own surface memory. The image
// is cleared before the window shows; the first resize clears it again and copies it to
// the copy; every later resize and paint restores it from the copy. Once shown, the table
// is cleared, copied and painted once more, as the table program's refresh does when it
// deals at start, and the program ends after that paint.

#include "platform/gdi/gdi.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cstring>
#include <new>

namespace {

class TableCopy : public QWidget {
public:
    explicit TableCopy(QSize deviceSize)
        : m_window(gdi::NewSurfaceImage(deviceSize)), m_copy(gdi::NewSurfaceImage(deviceSize)) {
        if (m_window.isNull() || m_copy.isNull())
            throw std::bad_alloc();
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        m_window.fill(Qt::darkGreen);
    }

protected:
    void resizeEvent(QResizeEvent*) override { paintTable(); }

    void paintEvent(QPaintEvent* event) override {
        paintTable();
        QPainter painter(this);
        const qreal ratio = devicePixelRatioF();
        for (const QRect& part : event->region()) {
            const QRectF device(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio);
            painter.drawImage(QRectF(part), m_window, device);
        }
        if (m_refreshed) {
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        } else if (!m_refreshQueued) {
            m_refreshQueued = true;
            QMetaObject::invokeMethod(this, [this] { refresh(); }, Qt::QueuedConnection);
        }
    }

private:
    void paintTable() {
        if (m_snapshotTaken) {
            copy(m_copy, m_window);
            return;
        }
        m_window.fill(Qt::darkGreen);
        copy(m_window, m_copy);
        m_snapshotTaken = true;
    }

    void refresh() {
        m_window.fill(Qt::darkGreen);
        copy(m_window, m_copy);
        m_refreshed = true;
        repaint();
    }

    static void copy(const QImage& from, QImage& to) {
        std::memcpy(to.bits(), from.constBits(), std::size_t(from.sizeInBytes()));
    }

    QImage m_window;
    QImage m_copy;
    bool m_snapshotTaken = false;
    bool m_refreshQueued = false;
    bool m_refreshed = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&Deal"));
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSizeF device = QSizeF(screen->geometry().size()) * screen->devicePixelRatio();
    window.setCentralWidget(new TableCopy(device.toSize()));
    window.setGeometry(screen->geometry());
    window.showMaximized();
    return QApplication::exec();
}
