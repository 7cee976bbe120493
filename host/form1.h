#pragma once
// The table window: the program starts by loading it and ends when it unloads. It brings
// up the settings, the game plug-in and the card engine in a fixed order, keeps the
// table on screen through the engine's snapshot and restore, forwards the mouse and the
// game's menu commands to the plug-in, and writes the settings back at the end. A game
// that offers optional operations also gets table refreshes, the extra Game menu entries,
// keys, a status bar and the chance to save its game before it goes.
//
// Failures: Form_Load throws (startUp reports it and returns exit status 1, the settings
// file untouched). While playing, every event and command is a boundary: a failure is
// reported to the user and the table keeps running. Nothing is thrown out of Qt's event
// handlers.

#include "host/dialogs/failurereport.h"
#include "host/hostsettings.h"
#include "host/tableevents.h"
#include "host/tablehost.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QTimer;

namespace halvane {

class ColorChooser;
class ErrorReporter;
class FileChooser;
class Form2;
class Form4;
class GamePlugin;
class TableWidget;

class Form1 : public QMainWindow, public TableHost, private TableEvents {
    Q_OBJECT
public:
    // Takes the engine object (a dorvik::Class1 in the program; tests may decorate it).
    // The reporter and the choosers must outlive the window.
    Form1(std::unique_ptr<dorvik::_Class1> engine, ErrorReporter& errors, ColorChooser& colors,
          FileChooser& files, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up in its fixed order: covers the screen, reads the settings, creates the
    // current game's plug-in, sets the caption, prepares the engine (directory, deck,
    // card back, background), initialises the game and clears the table. Throws
    // std::runtime_error saying what failed; the settings file is then left as it was.
    void Form_Load();

    // Form_Load, then shows the window: 0. On failure tells the user (message box and
    // standard error) and returns 1, the exit status of a failed start.
    int startUp();

    // Shut-down: releases the engine's surfaces and writes the settings, once per run and
    // only after a successful start, then ends the event loop. A failed write is
    // reported and makes the exit status 1.
    void Form_Unload();

    // Menu commands; each shows the wait cursor while it runs.
    void mnuDeal_Click();
    void mnuSettings_Click();
    void mnuExit_Click();
    void mnuGame_Click();
    void mnuDeck_Click();
    void mnuBackground_Click();
    void mnuInstructions_Click();

    // Has a game that offers RefreshTable deal its whole table again: clears the window,
    // then RefreshTable with the table's client size. Nothing for a game without it,
    // before the first paint, after shut-down, or while the deck chooser is open (the
    // engine then holds the previewed deck; closing the chooser refreshes).
    void refreshTable();

    // TableHost
    HostSettings& settings() override { return m_settings; }
    dorvik::_Class1& engine() override { return *m_engine; }
    std::int16_t cardBack() const override { return m_cardBack; }
    void setCardBack(std::int16_t back) override { m_cardBack = back; }
    void startGame(const QString& name, const QString& plugin) override;
    QWidget* tableWindow() override { return this; }
    void reportError(const QString& summary, const QString& detail) override;

    TableWidget* table() const { return m_table; }
    // CurrentGameObject; null before start-up.
    GamePlugin* game() const { return m_game.get(); }
    std::int32_t hDC() const;
    // BackColor: white at every start, changed by the Background command.
    QColor backColor() const { return m_backColor; }
    bool firstPaint() const { return m_firstPaint; }
    // The status the program ends with once Form_Unload has run.
    std::optional<int> exitStatus() const { return m_exitStatus; }
    // The menu entry whose object name is `name` ("mnuDeal", ...), or null.
    QAction* menuAction(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Keys no menu shortcut took go to a game that offers Form_KeyDown.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // TableEvents
    void Form_Paint() override;
    void Form_Resize() override;
    void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
    void Form_DblClick() override;

    void buildMenus();
    // Every menu command first ends a press on the table, as if released where the
    // pointer is.
    void endDragBeforeCommand();
    // The Game menu's entries for the optional operations (Undo, Redo, Hint, Restart,
    // Deal number, Statistics), placed between the fixed entries.
    void buildGameExtras();
    // An entry of buildGameExtras: snapshot, then the game's operation; a True result
    // refreshes the table.
    void runGameExtra(const char* operation, const QString& what);
    // Greys out the extra entries the current game lacks and shows the status bar only
    // for a game that has a status.
    void adaptToGame();
    void updateStatus();
    // refreshTable once the current event is over; several requests make one refresh.
    void scheduleRefresh();
    // Options > Card size (Automatic, 1x, 2x, 3x), after the other Options entries.
    void buildCardSizeMenu();
    // Sets the table scale for card size `choice` (cardsize.h) and checks its entry.
    // While playing the engine's surfaces are made again at that scale and the table is
    // cleared; the game draws itself again when it offers RefreshTable.
    void applyCardSize(int choice);
    void rebuildTable();
    void openDeckChooser();
    void openGameChooser();
    void loadSettings();
    // InitializeDeck with the current deck, or with the standard deck when that fails.
    void initializeDeck();
    void saveSettings();
    void coverScreen();
    void clearWindow();
    void updateCaption();
    // Runs `step` at an event boundary: a failure is reported, `what` saying what the
    // user was doing. Returns false when it failed.
    bool guarded(const QString& what, const std::function<void()>& step);
    void report(const FailureReport& failure);
    // A forwarded game event: guarded, then whatever the game drew is shown.
    void forward(const QString& what, const std::function<void(GamePlugin&)>& call);

    std::unique_ptr<dorvik::_Class1> m_engine; // EngineObject
    std::unique_ptr<GamePlugin> m_game;        // CurrentGameObject
    ErrorReporter& m_errors;
    ColorChooser& m_colors;
    FileChooser& m_files;
    HostSettings m_settings;
    std::int16_t m_cardBack = 0; // CARDBACK
    int m_cardSize = 0;          // cardsize::kAutomatic
    TableWidget* m_table = nullptr;
    QPointer<Form2> m_deckChooser; // one instance each, made at first use
    QPointer<Form4> m_gameChooser;
    QList<QAction*> m_gameExtras; // object name + "_Click" is the game's operation
    QLabel* m_statusText = nullptr;
    QTimer* m_statusTimer = nullptr;
    QColor m_backColor = Qt::white;
    bool m_refreshQueued = false;
    bool m_firstPaint = false;
    bool m_resizing = false; // Form_Paint runs for Form_Resize
    bool m_shown = false;    // the window system has asked for a paint of the loaded table
    bool m_deckReady = false; // the engine has a table copy to restore from
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_reporting = false;
    bool m_paintReportPending = false;
    std::optional<int> m_exitStatus;
    std::optional<FailureReport> m_deckNotice; // told once the table shows
};

} // namespace halvane
