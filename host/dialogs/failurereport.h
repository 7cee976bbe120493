#pragma once
// What the user is told about a failure: a plain sentence first, the technical detail
// (method names, the engine's own words) after it, for the message box's details and
// standard error.

#include <QString>

#include <exception>

namespace halvane {

struct FailureReport {
    QString summary;
    QString detail; // may be empty

    // `plain` says what could not be done ("The deck Mine cannot be shown."). The message
    // of a UserError is written for users and joins the summary; any other failure's
    // message is the detail.
    static FailureReport of(const QString& plain, const std::exception_ptr& failure);

    // Both parts as one text, for standard error: the detail on a line of its own.
    QString text() const;
};

} // namespace halvane
