#pragma once
// Failures shown in a modal critical message box.

#include "host/errorreporter.h"

namespace halvane {

class MessageBoxReporter final : public ErrorReporter {
public:
    void showError(QWidget* parent, const QString& summary, const QString& detail) override;
};

} // namespace halvane
