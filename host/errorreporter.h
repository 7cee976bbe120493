#pragma once
// Where the table window tells the user that something failed. The real one shows a
// message box; tests record what would have been shown.

#include <QString>

class QWidget;

namespace halvane {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Shows `summary`, a plain sentence, with `detail` (the technical part; may be empty)
    // to be seen on demand, and returns once the user has seen it.
    virtual void showError(QWidget* parent, const QString& summary, const QString& detail) = 0;
};

} // namespace halvane
