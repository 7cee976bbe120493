#include "host/pluginfolders.h"

#include "platform/com/components.h"

#include <QDir>

#ifndef HALVANE_PLUGIN_SUBDIR
#error "HALVANE_PLUGIN_SUBDIR names the plug-in folder below the installation prefix"
#endif

namespace halvane {

QStringList PluginFolders::forProgram(const QString& exeDir, const QString& installDir) {
    const QString shipped = QDir(exeDir).absoluteFilePath(QStringLiteral("../") +
                                                          QStringLiteral(HALVANE_PLUGIN_SUBDIR));
    const QString own = QDir(installDir).absoluteFilePath(QStringLiteral("games"));
    return {QDir::cleanPath(shipped), QDir::cleanPath(own)};
}

void PluginFolders::addForProgram(const QString& exeDir, const QString& installDir) {
    for (const QString& folder : forProgram(exeDir, installDir))
        com::AddPluginFolder(folder);
}

} // namespace halvane
