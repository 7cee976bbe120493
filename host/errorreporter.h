#pragma once
// Where the table window tells the user that something failed. The real one shows a
// message box; tests record what would have been shown.

#include <QString>

class QWidget;

namespace halvane {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Shows `message` to the user and returns once they have seen it.
    virtual void showError(QWidget* parent, const QString& message) = 0;
};

} // namespace halvane
