#pragma once
// The game's "Instructions" window: the rules and the use of the mouse, as a scrollable
// text with a Close button. Modal.

#include <QDialog>

namespace halvane::klondike {

class InstructionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit InstructionsDialog(QWidget* parent = nullptr);

    // The text shown, as HTML.
    static QString text();
};

} // namespace halvane::klondike
