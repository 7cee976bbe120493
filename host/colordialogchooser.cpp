#include "host/colordialogchooser.h"

#include <QColorDialog>

namespace halvane {

QColor ColorDialogChooser::chooseColor(QWidget* parent, const QColor& current) {
    const QColor chosen = QColorDialog::getColor(current, parent);
    // An invalid colour is how the dialog says "cancelled"; the table keeps its colour.
    return chosen.isValid() ? chosen : current;
}

} // namespace halvane
