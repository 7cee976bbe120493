#include "host/filedialogchooser.h"

#include <QFileDialog>

namespace halvane {

QString FileDialogChooser::openFile(QWidget* parent, const QString& folder, const QString& filter) {
    // A filter such as "*.gme" is offered as the one entry the dialog lists.
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

} // namespace halvane
