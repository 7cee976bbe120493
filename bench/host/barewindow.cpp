// The least a Qt program does to show a window: the baseline of the start-up benchmark.
// It shows a main window over the screen as the table program does and ends right after
// the window's first paint.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>

namespace {

class QuitAtFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QuitAtFirstPaint quit;
    window.installEventFilter(&quit);
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.showMaximized();
    return QApplication::exec();
}
