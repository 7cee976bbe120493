#pragma once
// The user's table folder: the settings file "solitaire.ini", the "cards" folder with the
// deck pictures and description files, the "games" folder with game descriptions and the
// user's own game plug-ins. A first start fills it from the template shipped beside the
// program (<prefix>/share/halvane, the same layout in the build tree).

#include "host/usererror.h"

#include <QString>
#include <QStringList>

namespace halvane {

// The folder cannot be set up: the template is missing or incomplete, a folder cannot be
// created or a file cannot be copied, or the folder exists without its settings file.
// The message names the paths involved.
class InstallError : public UserError {
public:
    using UserError::UserError;
};

class InstallDir {
public:
    // $HALVANE_HOME when set and non-empty (made absolute against the working folder),
    // else $XDG_DATA_HOME/halvane when that is an absolute path, else
    // ~/.local/share/halvane. Cleaned, without a trailing "/".
    static QString path();

    // The settings file inside `installDir`.
    static QString settingsFile(const QString& installDir);

    // The template folder for a program in `exeDir`: <exeDir>/../share/halvane, cleaned.
    static QString templateFor(const QString& exeDir);

    // Sets up `installDir` from `templateDir` on a first start and returns true; returns
    // false, copying nothing, when `installDir` already holds its settings file.
    //
    // A first start is a folder that does not exist yet, is empty, or holds only files
    // the template itself installs (a first start cut short). Then the template's
    // "cards" and "games" folders are copied (subfolders included) and its
    // "solitaire.ini" last, so the settings file marks a complete installation. An
    // existing file is never overwritten.
    //
    // Throws InstallError when the template lacks "solitaire.ini", when a folder cannot
    // be created or a file cannot be copied, and when `installDir` holds other files
    // but no settings file: the user's table lost its settings, which must not be
    // replaced by the defaults behind their back.
    static bool installIfNeeded(const QString& installDir, const QString& templateDir);

    // Puts back every deck picture and description of the template's "cards" folder that
    // is missing from `installDir`'s (the folder itself included), and returns their
    // paths relative to `installDir`. What is there, whatever it holds, stays. Throws
    // InstallError when a folder cannot be created or a file cannot be copied.
    static QStringList restoreDecks(const QString& installDir, const QString& templateDir);
};

} // namespace halvane
