#pragma once
// Form3, "Select Back": the eight card backs of the deck picture loaded in the engine,
// side by side with one option button under each, to pick the back used for face-down
// cards. Opened modeless by the deck chooser; OK stores the choice in CARDBACK and hands
// it to the engine at once, Cancel (and the title bar's close) change nothing. Closing
// gives the focus back to the deck chooser, or to the table when that has closed.

#include "platform/gdi/gdi.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>

#include <memory>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace halvane {

class DialogCanvas;
class TableHost;

class Form3 final : public QDialog {
    Q_OBJECT
public:
    // `host` must outlive the dialog; `deckChooser` (not owned, may close or go away
    // first) receives the focus on closing. `parent` is the window the dialog stays over.
    Form3(TableHost& host, QWidget* deckChooser, QWidget* parent);
    ~Form3() override;

    // Loads the dialog and shows it modeless, or raises and activates it when it is open.
    void open() override;

    void Form_Load();      // selects the button of CARDBACK (back 1 when out of 1 to 8)
    void Form_Paint();     // draws backs 1 to 8, in that order, onto the dialog
    void Command1_Click(); // "&OK"
    void Command2_Click(); // "&Cancel"

    // The dialog's device context: its client area, 334 x 282 pixels.
    gdi::HDC hDC() const;
    // The option button of back `back` (1 to 8); null outside.
    QRadioButton* option(int back) const;
    // The back selected now, 1 to 8.
    int selectedBack() const;

    // Where back `back` (1 to 8) is drawn, and where its option button lies (pixels).
    static QPoint backPlace(int back);
    static QPoint optionPlace(int back);

    static constexpr int BackCount = 8;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override; // the title bar's close button: the Cancel steps

private:
    TableHost& m_host;
    QPointer<QWidget> m_deckChooser;
    QButtonGroup* m_option1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    std::unique_ptr<DialogCanvas> m_canvas;
    bool m_paintFailed = false;
};

} // namespace halvane
