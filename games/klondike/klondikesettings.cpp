#include "games/klondike/klondikesettings.h"

#include <QSettings>

#include <stdexcept>
#include <string>

namespace halvane::klondike {

namespace {

const char* const DrawCountKey = "DrawCount";

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Halvane"),
                     QStringLiteral("Klondike"));
}

} // namespace

int KlondikeSettings::drawCount() const {
    bool ok = false;
    const int count = store().value(DrawCountKey, 1).toInt(&ok);
    return ok && count == 3 ? 3 : 1;
}

void KlondikeSettings::setDrawCount(int count) {
    if (count != 1 && count != 3)
        throw std::invalid_argument("Klondike: draw count " + std::to_string(count) +
                                    " is neither 1 nor 3");
    QSettings settings = store();
    settings.setValue(DrawCountKey, count);
    settings.sync();
}

} // namespace halvane::klondike
