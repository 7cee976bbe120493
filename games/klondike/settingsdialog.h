#pragma once
// The game's "Settings" dialog: draw one or three cards from the stock, OK or Cancel.

#include <QDialog>

class QRadioButton;

namespace halvane::klondike {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `drawCount` (1 or 3; anything else shows 1).
    explicit SettingsDialog(int drawCount, QWidget* parent = nullptr);

    // The choice on the dialog: 1 or 3.
    int drawCount() const;

private:
    QRadioButton* m_drawOne;
    QRadioButton* m_drawThree;
};

} // namespace halvane::klondike
