#include "host/launcher.h"

#include "engine/class1.h"
#include "host/colordialogchooser.h"
#include "host/dialogs/failurereport.h"
#include "host/dialogs/qtfilechooser.h"
#include "host/form1.h"
#include "host/installdir.h"
#include "host/messageboxreporter.h"
#include "host/pluginfolders.h"
#include "host/shutdownsignals.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>
#include <exception>

namespace halvane {

QIcon Launcher::programIcon(const QString& exeDir) {
    // The icons drawn at build time lie in the hicolor theme beside the program's share
    // folder, in the build tree as in an installation.
    QIcon icon;
    const QDir themes(
        QDir::cleanPath(QDir(exeDir).absoluteFilePath(QStringLiteral("../share/icons/hicolor"))));
    for (const QString& size : themes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = themes.filePath(size + QStringLiteral("/apps/halvane.png"));
        if (QFileInfo::exists(file))
            icon.addFile(file);
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

bool Launcher::displayGiven() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int Launcher::run() {
    // First of all, so that a session ending at any time from here on saves the settings
    // (the signal waits in the event loop until the table is up).
    ShutdownSignals shutdown;
    const QString exeDir = QCoreApplication::applicationDirPath();
    QApplication::setWindowIcon(programIcon(exeDir));
    MessageBoxReporter errors;
    if (!prepare(exeDir, errors))
        return 1;
    ColorDialogChooser colors;
    QtFileChooser files;
    Form1 form(std::make_unique<dorvik::Class1>(), errors, colors, files);
    QObject::connect(&shutdown, &ShutdownSignals::received, &form, &Form1::mnuExit_Click);
    if (const int status = form.startUp(); status != 0)
        return status;
    return QApplication::exec();
}

} // namespace halvane
