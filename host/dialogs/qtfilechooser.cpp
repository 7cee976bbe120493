#include "host/dialogs/qtfilechooser.h"

#include "host/dialogs/focusreturn.h"

#include <QFileDialog>
#include <QPointer>

namespace halvane {

QString QtFileChooser::openFile(QWidget* parent, const QString& folder, const QString& filter) {
    // On the heap behind a QPointer: the parent may be destroyed while the dialog runs its
    // own event loop, and would then delete the dialog with it.
    QPointer<QFileDialog> dialog = new QFileDialog(parent, QStringLiteral("Open"), folder, filter);
    dialog->setObjectName(QStringLiteral("CommonDialog1"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    const QPointer<QWidget> asking = parent != nullptr ? parent->window() : nullptr;
    const int result = dialog->exec();
    returnFocus(asking); // the keyboard goes back to the window that asked
    if (!dialog)
        return {};
    QString chosen;
    if (result == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chosen = dialog->selectedFiles().constFirst();
    delete dialog.data();
    return chosen;
}

} // namespace halvane
