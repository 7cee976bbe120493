#pragma once
// Form4, "Select Game": the installed games by name, adding games from game description
// files (".gme"), removing them, and switching the table to the selected game. Modeless;
// the table window keeps one instance and calls open() from its Game menu entry.
//
// The host's lists change at once on Add and Remove; the current game only on OK, and
// only when its plug-in starts (TableHost::startGame). A game that cannot start is told
// to the user and the dialog stays open with everything as it was. Add selects the new
// entry without making it current. No handler lets an exception escape.

#include <QDialog>

class QPushButton;

namespace halvane {

class EntryList;
class FileChooser;
class TableHost;

class Form4 final : public QDialog {
    Q_OBJECT
public:
    // `host` and `files` must outlive the dialog. `parent` is the table window (or none).
    Form4(TableHost& host, FileChooser& files, QWidget* parent);
    ~Form4() override;

    // Loads the dialog and shows it modeless, or raises and activates it when it is open.
    void open() override;

    void Form_Load();      // fills the list, selecting the current game's plug-in
    void List1_Click();    // nothing beyond the selection: the choice takes effect on OK
    void Command1_Click(); // "&Add": appends a game from a description file
    void Command2_Click(); // "&Remove": removes the selected game
    void Command3_Click(); // "&OK": starts the selected game, then closes
    void Command4_Click(); // "&Cancel": closes; additions and removals stay

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override; // the title bar's close button: the Cancel steps

private:
    int gameCount() const;

    TableHost& m_host;
    FileChooser& m_files;
    EntryList* m_list1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
};

} // namespace halvane
