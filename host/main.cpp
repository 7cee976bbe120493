// The card table program: a thin shell around the host library.

#include "host/launcher.h"

#include <QApplication>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <thread>

int main(int argc, char* argv[]) {
    if (!halvane::Launcher::displayGiven()) {
        std::fputs("halvane: Halvane needs a graphical display (X11 or Wayland), and neither "
                   "DISPLAY nor WAYLAND_DISPLAY is set. Start it from a desktop session, or "
                   "name a display in DISPLAY.\n",
                   stderr);
        return 1;
    }
    // Fontconfig reads its whole configuration, dozens of XML files, when the window first
    // measures text, in the middle of being built, and that took as long as the rest of
    // the window. Read on a thread of its own from here on, it is there by then (a read
    // begun twice is settled by fontconfig itself).
    const std::jthread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane"));
    return halvane::Launcher::run();
}
