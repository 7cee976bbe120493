// The least a Qt program does to show a window: the baseline of the start-up benchmark.
// It shows a main window over the screen as the table program does and ends right after
// the window's first paint. With --with-text the window has a menu bar and a status bar,
// so that the program sets up fonts as every window with words on it does; the bare
// window never does.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
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
    if (app.arguments().contains(QStringLiteral("--with-text"))) {
        window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&Deal"));
        window.statusBar()->showMessage(QStringLiteral("Ready"));
    }
    QuitAtFirstPaint quit;
    window.installEventFilter(&quit);
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.showMaximized();
    return QApplication::exec();
}
