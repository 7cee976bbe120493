#pragma once
// The game's "Settings" dialog: cards a draw, redeals, scoring and autoplay; OK or Cancel.

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace halvane::klondike {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        int drawCount = 1; // 1 or 3
        int redeals = -1;  // -1 unlimited, 3 or 1
        bool scoring = false;
        bool autoplay = true;
    };

    // Opens on `choice` (values outside the ones offered show the first option).
    explicit SettingsDialog(const Choice& choice, QWidget* parent = nullptr);

    // The choice on the dialog.
    Choice choice() const;

private:
    QRadioButton* m_drawOne;
    QRadioButton* m_drawThree;
    QRadioButton* m_redealsUnlimited;
    QRadioButton* m_redealsThree;
    QRadioButton* m_redealsOne;
    QRadioButton* m_scoringStandard;
    QRadioButton* m_scoringNone;
    QCheckBox* m_autoplay;
};

} // namespace halvane::klondike
