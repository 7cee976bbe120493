// The card table program: a thin shell around the host library.

#include "host/launcher.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane"));
    return halvane::Launcher::run();
}
