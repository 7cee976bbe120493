#pragma once
// Runs a chooser's handler at an event boundary: whatever it raises is told to the user
// through the table window, and never escapes into Qt's event loop.

#include "host/tablehost.h"

#include <QString>

#include <exception>

namespace halvane {

template <class Handler>
void guarded(TableHost& host, const QString& what, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        host.reportError(what + QStringLiteral(": ") + QString::fromUtf8(e.what()));
    } catch (...) {
        host.reportError(what + QStringLiteral(": an unknown error occurred"));
    }
}

} // namespace halvane
