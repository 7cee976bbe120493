#include "host/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace halvane {

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace halvane
