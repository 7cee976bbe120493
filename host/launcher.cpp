#include "host/launcher.h"

#include "engine/class1.h"
#include "host/cardsize.h"
#include "host/colordialogchooser.h"
#include "host/dialogs/failurereport.h"
#include "host/dialogs/qtfilechooser.h"
#include "host/form1.h"
#include "host/installdir.h"
#include "host/messageboxreporter.h"
#include "host/pluginfolders.h"
#include "host/settingsfile.h"
#include "host/shutdownsignals.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <cstdio>
#include <exception>

namespace halvane {

QIcon Launcher::programIcon(const QString& exeDir) {
    // The icons drawn at build time lie in the hicolor theme beside the program's share
    // folder, in the build tree as in an installation.
    QIcon icon;
    const QDir themes(
        QDir::cleanPath(QDir(exeDir).absoluteFilePath(QStringLiteral("../share/icons/hicolor"))));
    // The window's icon is only ever shown small (title bar, task switcher); the desktop
    // takes larger ones from the installed theme. The pictures are read as PNG and nothing
    // else: left to guess, the reader asks every image plug-in, loading them all, which
    // costs the start more than the table's own drawing.
    constexpr int LargestWindowIcon = 64;
    for (const QString& folder : themes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const int side = folder.section(QLatin1Char('x'), 0, 0).toInt(); // "48x48"
        if (side <= 0 || side > LargestWindowIcon)
            continue;
        QImageReader reader(themes.filePath(folder + QStringLiteral("/apps/halvane.png")), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage picture = reader.read();
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

std::optional<QString> Launcher::prepare(const QString& exeDir, ErrorReporter& errors) {
    try {
        const QString installDir = InstallDir::path();
        const QString templateDir = InstallDir::templateFor(exeDir);
        // A deck picture gone from the table folder is put back before start-up needs it.
        if (!InstallDir::installIfNeeded(installDir, templateDir)) {
            try {
                InstallDir::restoreDecks(installDir, templateDir);
            } catch (const InstallError& error) {
                // The table can still start on the decks that are there.
                std::fprintf(stderr, "halvane: %s\n", error.what());
            }
        }
        PluginFolders::addForProgram(exeDir, installDir);
        return installDir;
    } catch (...) {
        const FailureReport failure =
            FailureReport::of(QStringLiteral("Halvane could not start."), std::current_exception());
        std::fprintf(stderr, "halvane: %s\n", failure.text().toLocal8Bit().constData());
        std::fflush(stderr);
        errors.showError(nullptr, failure.summary, failure.detail);
        return std::nullopt;
    }
}

namespace {

// Starts reading the deck picture the table is about to load on a thread of its own, so
// that it is decoded while the window is built. Run before the table folder is checked,
// so a deck missing now is read again once it has been put back, and a folder not set up
// yet has nothing to read. Anything wrong is left to the table's own start, which reads
// the same settings and tells.
//
// The memory of the large surfaces is not made ready ahead as well: clearing it on
// another thread (30 MB at 2x) held up the decoding and the window's own steps by more
// than it saved. Without it, paired starts were 1 to 3 ms quicker at 1x and 2x, and about
// 9 ms at 4x.
void prefetchDeck() {
    try {
        const QString installDir = InstallDir::path();
        HostSettings settings;
        std::int16_t cardBack = 0;
        LoadSettings(InstallDir::settingsFile(installDir), settings, cardBack);
        dorvik::prefetchDeck(installDir, settings.CurrentDeckFile,
                             cardsize::storedTableScale(installDir));
    } catch (...) {
        // The table's own start meets the same fault and tells.
    }
}

// Ends the event loop once the table has been shown. The form asks for its refresh at the
// table's first paint, so a call queued at that paint and queueing another in turn runs
// after the refresh, which shows the refreshed table with a paint of its own.
class QuitAfterShow : public QObject {
public:
    explicit QuitAfterShow(const Form1& form) : m_form(form) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || watched != m_form.centralWidget()) {
            return false;
        }
        qApp->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [] {
                // exit(), not quit(): quit() would close the window, which saves as Exit does.
                QMetaObject::invokeMethod(
                    qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    const Form1& m_form;
};

} // namespace

bool Launcher::displayGiven() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int Launcher::run() {
    // First of all, so that a session ending at any time from here on saves the settings
    // (the signal waits in the event loop until the table is up).
    ShutdownSignals shutdown;
    // Until the table is up, the session ending ends the start too, and with it a box
    // telling why the table could not start: the signal arrives while that box waits.
    const QMetaObject::Connection whileStarting = QObject::connect(
        &shutdown, &ShutdownSignals::received, qApp, [] { QCoreApplication::exit(1); });
    prefetchDeck();
    const QString exeDir = QCoreApplication::applicationDirPath();
    QApplication::setWindowIcon(programIcon(exeDir));
    MessageBoxReporter errors;
    const std::optional<QString> installDir = prepare(exeDir, errors);
    if (!installDir)
        return 1;
    ColorDialogChooser colors;
    QtFileChooser files;
    Form1 form(std::make_unique<dorvik::Class1>(), errors, colors, files);
    QObject::connect(&shutdown, &ShutdownSignals::received, &form, &Form1::mnuExit_Click);
    QuitAfterShow quitAfterShow(form);
    if (qEnvironmentVariable("HALVANE_QUIT_AFTER_SHOW") == QLatin1String("1"))
        qApp->installEventFilter(&quitAfterShow);
    const int started = form.startUp();
    if (started != 0)
        return started;
    QObject::disconnect(whileStarting);
    // The session may have ended while a notice of the start was open: the table has
    // closed as Exit closes it.
    if (const std::optional<int> status = form.exitStatus())
        return *status;
    return QApplication::exec();
}

} // namespace halvane
