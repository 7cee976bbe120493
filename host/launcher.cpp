#include "host/launcher.h"

#include "engine/class1.h"
#include "host/colordialogchooser.h"
#include "host/dialogs/qtfilechooser.h"
#include "host/form1.h"
#include "host/installdir.h"
#include "host/messageboxreporter.h"
#include "host/pluginfolders.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace halvane {

std::optional<QString> Launcher::prepare(const QString& exeDir, ErrorReporter& errors) {
    try {
        const QString installDir = InstallDir::path();
        InstallDir::installIfNeeded(installDir, InstallDir::templateFor(exeDir));
        PluginFolders::addForProgram(exeDir, installDir);
        return installDir;
    } catch (const std::exception& error) {
        const QString message =
            QStringLiteral("Halvane could not start: %1").arg(QString::fromUtf8(error.what()));
        std::fprintf(stderr, "halvane: %s\n", message.toLocal8Bit().constData());
        std::fflush(stderr);
        errors.showError(nullptr, message);
        return std::nullopt;
    }
}

int Launcher::run() {
    MessageBoxReporter errors;
    if (!prepare(QCoreApplication::applicationDirPath(), errors))
        return 1;
    ColorDialogChooser colors;
    QtFileChooser files;
    Form1 form(std::make_unique<dorvik::Class1>(), errors, colors, files);
    if (const int status = form.startUp(); status != 0)
        return status;
    return QApplication::exec();
}

} // namespace halvane
