#pragma once
// A game's "Instructions" window: its rules and the use of the mouse, as a scrollable
// text with a Close button. Modal.

#include <QDialog>

namespace halvane::kit {

class InstructionsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows `html`.
    explicit InstructionsDialog(const QString& html, QWidget* parent = nullptr);
};

} // namespace halvane::kit
