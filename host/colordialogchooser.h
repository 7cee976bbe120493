#pragma once
// The colour page of the common dialog: a modal QColorDialog.

#include "host/filechooser.h"

namespace halvane {

class ColorDialogChooser final : public ColorChooser {
public:
    QColor chooseColor(QWidget* parent, const QColor& current) override;
};

} // namespace halvane
