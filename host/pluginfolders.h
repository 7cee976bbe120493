#pragma once
// Where game plug-ins are looked for: the plug-in folder of the build or installation
// the program runs from, then the user's own games folder.

#include <QString>
#include <QStringList>

namespace halvane {

class PluginFolders {
public:
    // <exeDir>/../<plug-in subfolder> (lib/halvane/games) and <installDir>/games, in
    // that order, cleaned and absolute.
    static QStringList forProgram(const QString& exeDir, const QString& installDir);

    // Adds the folders above to the component services' search list.
    static void addForProgram(const QString& exeDir, const QString& installDir);
};

} // namespace halvane
