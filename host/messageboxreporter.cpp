#include "host/messageboxreporter.h"

#include <QMessageBox>

namespace halvane {

void MessageBoxReporter::showError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QStringLiteral("Halvane"), message);
}

} // namespace halvane
