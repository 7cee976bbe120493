#pragma once
// Everything the program does between creating the application object and running its
// event loop: the user's table folder (installed from the template on a first start),
// the plug-in folders, the table window and its start-up.

#include <QIcon>
#include <QString>

#include <optional>

namespace halvane {

class ErrorReporter;

class Launcher {
public:
    // Sets up the table folder (InstallDir) from the template beside a program in
    // `exeDir` when needed, and adds the plug-in folders. Returns the table folder, or
    // none after telling the user what failed (through `errors` and standard error).
    static std::optional<QString> prepare(const QString& exeDir, ErrorReporter& errors);

    // The program's window icon for a program in `exeDir`: every size drawn up to 64
    // pixels; empty when none is there.
    static QIcon programIcon(const QString& exeDir);

    // False when Qt would find no display to open: neither DISPLAY nor WAYLAND_DISPLAY is
    // set and no QT_QPA_PLATFORM is given. Asked before the application object exists,
    // which would abort the program.
    static bool displayGiven();

    // The whole program once QApplication exists: prepare, start the table window, run
    // the event loop. SIGTERM and SIGHUP end it as Exit does. Returns the exit status: 1 when
    // start-up failed or the settings could not be saved at the end, else 0.
    //
    // For the start-up benchmark only: with HALVANE_QUIT_AFTER_SHOW=1 in the environment
    // the event loop ends (status 0, settings not written) as soon as the table's first
    // paint and the refresh it asks for (the game's RefreshTable) have run. Without that
    // variable nothing of this is active.
    static int run();
};

} // namespace halvane
