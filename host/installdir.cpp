#include "host/installdir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifndef HALVANE_DATA_SUBDIR
#error "HALVANE_DATA_SUBDIR names the template folder below the installation prefix"
#endif

namespace halvane {

namespace {

const QString SettingsName = QStringLiteral("solitaire.ini");
const QStringList CopiedFolders = {QStringLiteral("cards"), QStringLiteral("games")};

[[noreturn]] void fail(const QString& message) {
    throw InstallError(message.toStdString());
}

// Every file below `folder`, as paths relative to `root`.
QStringList filesBelow(const QString& root, const QString& folder) {
    QStringList files;
    QDirIterator it(QDir(root).filePath(folder), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext())
        files.append(base.relativeFilePath(it.next()));
    files.sort();
    return files;
}

// True when everything inside `installDir` is something the template installs: the
// folder is empty or an earlier first start was cut short.
bool holdsOnlyTemplateFiles(const QString& installDir, const QString& templateDir) {
    const QDir target(installDir);
    QDirIterator it(installDir,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString relative = target.relativeFilePath(entry.filePath());
        if (!CopiedFolders.contains(relative.section(QLatin1Char('/'), 0, 0)))
            return false;
        if (entry.isDir() && !entry.isSymLink())
            continue;
        if (!QFileInfo(QDir(templateDir).filePath(relative)).isFile())
            return false;
    }
    return true;
}

void makeFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isDir())
        return;
    if (info.exists() || !QDir().mkpath(folder))
        fail(QStringLiteral("cannot create the folder %1").arg(folder));
}

// Copies `from` to `to` unless something is there already; true when it copied.
bool copyFile(const QString& from, const QString& to) {
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return false; // never overwrite
    QFile source(from);
    // QFile::copy writes a temporary file and renames it, so a cut-short copy leaves
    // no half file behind.
    if (!source.copy(to))
        fail(QStringLiteral("cannot copy %1 to %2: %3").arg(from, to, source.errorString()));
    // The template may be read-only (an installed share folder); the user's copy is theirs.
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner |
                                  QFileDevice::ReadOwner);
    return true;
}

// Copies what `installDir` lacks of the template's `folder`; returns the copied files,
// relative to `installDir`.
QStringList copyMissing(const QString& installDir, const QString& templateDir,
                        const QString& folder) {
    makeFolder(QDir(installDir).filePath(folder));
    if (!QFileInfo(QDir(templateDir).filePath(folder)).isDir())
        return {};
    QStringList copied;
    for (const QString& relative : filesBelow(templateDir, folder)) {
        const QString to = QDir(installDir).filePath(relative);
        makeFolder(QFileInfo(to).path());
        if (copyFile(QDir(templateDir).filePath(relative), to))
            copied.append(relative);
    }
    return copied;
}

} // namespace

QString InstallDir::path() {
    const QString own = qEnvironmentVariable("HALVANE_HOME");
    if (!own.isEmpty())
        return QDir::cleanPath(QDir(own).absolutePath());
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative values are invalid for XDG variables and are to be ignored.
    const QString base = !data.isEmpty() && QDir::isAbsolutePath(data)
                             ? data
                             : QDir(QDir::homePath()).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("halvane")));
}

QString InstallDir::settingsFile(const QString& installDir) {
    return QDir(installDir).filePath(SettingsName);
}

QString InstallDir::templateFor(const QString& exeDir) {
    return QDir::cleanPath(
        QDir(exeDir).absoluteFilePath(QStringLiteral("../") + QStringLiteral(HALVANE_DATA_SUBDIR)));
}

bool InstallDir::installIfNeeded(const QString& installDir, const QString& templateDir) {
    const QString settings = settingsFile(installDir);
    if (QFileInfo::exists(settings))
        return false;

    const QString templateSettings = settingsFile(templateDir);
    if (!QFileInfo(templateSettings).isFile())
        fail(QStringLiteral("cannot set up %1: the template %2 is missing")
                 .arg(installDir, templateSettings));

    const QFileInfo target(installDir);
    if (target.exists() && !target.isDir())
        fail(QStringLiteral("cannot set up %1: it is a file, not a folder").arg(installDir));
    if (target.exists() && !holdsOnlyTemplateFiles(installDir, templateDir))
        fail(QStringLiteral("the settings file %1 is missing, while the folder holds other "
                            "files; restore the file, or move the folder away to start afresh")
                 .arg(settings));

    makeFolder(installDir);
    for (const QString& folder : CopiedFolders)
        copyMissing(installDir, templateDir, folder);
    copyFile(templateSettings, settings);
    return true;
}

QStringList InstallDir::restoreDecks(const QString& installDir, const QString& templateDir) {
    return copyMissing(installDir, templateDir, QStringLiteral("cards"));
}

} // namespace halvane
