#pragma once
// Runs a chooser's handler at an event boundary: whatever it raises is told to the user
// through the table window, and never escapes into Qt's event loop.

#include "host/dialogs/failurereport.h"
#include "host/tablehost.h"

#include <QString>

#include <exception>

namespace halvane {

template <class Handler>
void guarded(TableHost& host, const QString& what, Handler&& handler) noexcept {
    try {
        handler();
    } catch (...) {
        const FailureReport failure =
            FailureReport::of(QStringLiteral("%1: the command could not be finished.").arg(what),
                              std::current_exception());
        host.reportError(failure.summary, failure.detail);
    }
}

} // namespace halvane
