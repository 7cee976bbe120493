#include "host/dialogs/focusreturn.h"

#include <QWidget>

namespace halvane {

void returnFocus(QWidget* window) {
    if (window == nullptr)
        return;
    window->activateWindow();
    window->setFocus();
}

} // namespace halvane
