// The card table program: a thin shell around the host library.

#include "host/launcher.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!halvane::Launcher::displayGiven()) {
        std::fputs("halvane: Halvane needs a graphical display (X11 or Wayland), and neither "
                   "DISPLAY nor WAYLAND_DISPLAY is set. Start it from a desktop session, or "
                   "name a display in DISPLAY.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane"));
    return halvane::Launcher::run();
}
