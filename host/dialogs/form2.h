#pragma once
// Form2, "Select A Deck": the installed decks by name with a live preview of card 40 of
// the selected deck, adding decks from deck description files (".ini"), removing them,
// and the card back chooser. Modeless; the table window keeps one instance and calls
// open() from its Deck menu entry.
//
// Between loading and closing, the engine's loaded deck picture follows the selection;
// the engine's current deck and CurrentDeckFile change only on OK. Cancel, and closing
// from the title bar, load the picture of the deck current at opening again, so the table
// never draws a deck the user cancelled. Add and Remove change the host's lists at once.
//
// Failures (a description file that cannot be used, a deck picture the engine cannot
// load, a full list) are told to the user through TableHost::reportError; nothing
// changes and the dialog stays usable. No handler lets an exception escape.

#include "platform/gdi/gdi.h"

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class QPushButton;

namespace halvane {

class DialogCanvas;
class EntryList;
class FileChooser;
class Form3;
struct FailureReport;
class TableHost;

class Form2 final : public QDialog {
    Q_OBJECT
public:
    // `host` and `files` must outlive the dialog. `parent` is the table window (or none).
    Form2(TableHost& host, FileChooser& files, QWidget* parent);
    ~Form2() override;

    // Loads the dialog and shows it modeless, or raises and activates it when it is open.
    void open() override;

    // Handlers, named after their controls and events.
    void Form_Load();   // records ChosenDeck, fills the list, selects and previews
    void Form_Paint();  // draws the preview card when the selection's picture is loaded
    void List1_Click(); // loads the selected deck's picture and draws the preview
    void List1_DblClick();
    void Command1_Click(); // "&OK": makes the selected deck current, then closes
    void Command2_Click(); // "&Cancel": makes ChosenDeck current again and closes
    void Command3_Click(); // "&Add...": appends a deck from a description file
    void Command4_Click(); // "&Remove": removes the selected deck
    void Command5_Click(); // "&Back...": opens the card back chooser

    // The deck file that Cancel makes current: the engine's current deck at loading.
    const QString& ChosenDeck() const { return m_chosenDeck; }

    // The dialog's device context: its client area, 358 x 276 pixels.
    gdi::HDC hDC() const;
    // Where the preview card lies on the dialog (pixels): 71 x 96 at (212, 40).
    QRect previewRect() const;
    // The card back chooser, once "&Back..." has created it.
    Form3* backChooser() const;

    static constexpr int PreviewCard = 40;
    static constexpr int PreviewTop = 40;

signals:
    // The card back chooser opened from here has closed (OK, Cancel or the title bar).
    void backChooserClosed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override; // the title bar's close button: the Cancel steps

private:
    bool loadPicture(int row, const QString& failureText);
    void report(const FailureReport& failure);
    int deckCount() const;

    TableHost& m_host;
    FileChooser& m_files;
    EntryList* m_list1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    std::unique_ptr<DialogCanvas> m_canvas;
    QPointer<Form3> m_form3;

    QString m_chosenDeck;
    // The deck file whose picture this session last loaded into the engine; empty when
    // the session has loaded none, so the engine still holds the picture of opening time.
    std::optional<QString> m_loadedDeck;
    // The selected entry's picture is loaded, so the preview shows it.
    bool m_previewShown = false;
    bool m_paintFailed = false;
};

} // namespace halvane
