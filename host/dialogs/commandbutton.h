#pragma once
// A chooser's command button. No button of a chooser is its default or cancel button, so
// Enter and Esc have no meaning of their own there.

#include "host/dialogs/twips.h"

#include <QPushButton>

namespace halvane {

// A button named `name` (the control's name) with `caption` at `place`, given in twips
// when `inTwips`, else in pixels. Owned by `parent`.
inline QPushButton* makeCommandButton(QWidget* parent, const char* name, const QString& caption,
                                      QRect place, bool inTwips = true) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(inTwips ? twipsToPixels(place) : place);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace halvane
