#include "host/launcher.h"

#include "engine/class1.h"
#include "host/colordialogchooser.h"
#include "host/dialogs/qtfilechooser.h"
#include "host/form1.h"
#include "host/installdir.h"
#include "host/messageboxreporter.h"
#include "host/pluginfolders.h"
#include "host/terminationsignals.h"

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
    const QString exeDir = QCoreApplication::applicationDirPath();
    QApplication::setWindowIcon(programIcon(exeDir));
    MessageBoxReporter errors;
    if (!prepare(exeDir, errors))
        return 1;
    ColorDialogChooser colors;
    QtFileChooser files;
    Form1 form(std::make_unique<dorvik::Class1>(), errors, colors, files);
    if (const int status = form.startUp(); status != 0)
        return status;
    // Ended from outside, the table saves as if its window were closed.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &form, &QWidget::close);
    return QApplication::exec();
}

} // namespace halvane
