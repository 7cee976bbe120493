#include "host/cardsize.h"

#include "platform/gdi/gdi.h"

#include <QSettings>

#include <stdexcept>

namespace halvane::cardsize {

namespace {
const QString kKey = QStringLiteral("Table/CardSize");
const QString kAutomaticText = QStringLiteral("auto");
} // namespace

QString settingsFile(const QString& installDir) {
    return installDir + QStringLiteral("/halvane.conf");
}

int load(const QString& installDir) {
    const QSettings file(settingsFile(installDir), QSettings::IniFormat);
    bool whole = false;
    const int value = file.value(kKey).toString().trimmed().toInt(&whole);
    return whole && value >= 1 && value <= gdi::kMaxTableScale ? value : kAutomatic;
}

void save(const QString& installDir, int choice) {
    QSettings file(settingsFile(installDir), QSettings::IniFormat);
    file.setValue(kKey, choice == kAutomatic ? kAutomaticText : QString::number(choice));
    file.sync();
    if (file.status() != QSettings::NoError)
        throw std::runtime_error(QStringLiteral("cannot write the card size to \"%1\"")
                                     .arg(file.fileName())
                                     .toStdString());
}

int tableScale(int choice, QSize screenDevicePixels) {
    if (choice >= 1 && choice <= gdi::kMaxTableScale)
        return choice;
    return gdi::AutomaticTableScale(screenDevicePixels);
}

int storedTableScale(const QString& installDir) {
    return tableScale(load(installDir), gdi::ScreenDevicePixels());
}

} // namespace halvane::cardsize
