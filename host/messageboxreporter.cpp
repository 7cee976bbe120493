#include "host/messageboxreporter.h"

#include "host/windowtext.h"

#include <QMessageBox>

namespace halvane {

void MessageBoxReporter::showError(QWidget* parent, const QString& summary, const QString& detail) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Halvane"), WindowText::cut(summary),
                    QMessageBox::Ok, parent);
    if (!detail.isEmpty())
        box.setDetailedText(WindowText::cut(detail));
    box.exec();
}

} // namespace halvane
