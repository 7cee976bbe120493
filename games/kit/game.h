#pragma once
// The base of every game object the host creates as "<Name>.GamePlay". It declares the
// eight operations of a game and the optional ones (undo, redo, hint, restart, deal
// number, statistics, keys, status text, saving, refreshing, the table folder) once, owns
// the engine objects, and does the press, drag, drop, double click and win for every
// game; a game writes only its rules, in the protected virtuals below.
//
// What the player gets from it: illegal drops slide home; unlimited undo and redo (a
// stock click, a redeal and the automatic moves after a move undo with the move that
// caused them); face-down cards the rules turn are turned; safe autoplay to the
// foundations (a setting); hints; numbered deals that Restart and "Deal number..."
// replay; statistics; the game in progress saved and resumed; a question before a game
// with moves is given up; Escape sends a dragged card home.
//
// Files, all under the table folder given by SetInstallDir (nothing is kept on disk
// without it): gamedata/<Name>/settings.ini, statistics.ini and savedgame.ini. A saved
// game that cannot be read is told once, kept beside as savedgame.ini.bad, and a new
// game is dealt. Engine failures (dorvik::Error) pass through to the host.

#include "games/kit/dialogs.h"
#include "games/kit/dragsession.h"
#include "games/kit/layout.h"
#include "games/kit/moves.h"
#include "games/kit/settingsdialog.h"
#include "games/kit/statistics.h"
#include "games/kit/store.h"
#include "games/kit/table.h"
#include "games/kit/tablebackground.h"
#include "games/kit/tablemirror.h"

#include "engine/class1.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSize>

#include <memory>
#include <optional>
#include <vector>

namespace halvane::kit {

class Game : public QObject {
    Q_OBJECT
public:
    ~Game() override;

    // The eight operations. hDC: the table window's device context; Button 1 left, 2
    // right, 4 middle (a move: the buttons held); X, Y: pixels of the client area.
    Q_INVOKABLE void InitializeGame();
    Q_INVOKABLE void mnuDeal_Click(int hDC);
    Q_INVOKABLE void mnuSettings_Click(int hDC);
    Q_INVOKABLE void mnuInstructions_Click(int hDC);
    Q_INVOKABLE void Form_MouseDown(int hDC, short Button, short Shift, float X, float Y);
    Q_INVOKABLE void Form_MouseMove(int hDC, short Button, short Shift, float X, float Y);
    Q_INVOKABLE void Form_MouseUp(int hDC, short Button, short Shift, float X, float Y);
    Q_INVOKABLE void Form_DblClick(int hDC);

    // The optional operations. A true result asks the host to clear the window and call
    // RefreshTable; these redraw the table themselves and answer false.
    Q_INVOKABLE void SetInstallDir(const QString& Directory);
    Q_INVOKABLE void RefreshTable(int hDC, short Width, short Height);
    Q_INVOKABLE bool mnuUndo_Click(int hDC);
    Q_INVOKABLE bool mnuRedo_Click(int hDC);
    Q_INVOKABLE bool mnuHint_Click(int hDC);
    Q_INVOKABLE bool mnuRestart_Click(int hDC);
    Q_INVOKABLE bool mnuDealNumber_Click(int hDC);
    Q_INVOKABLE bool mnuStatistics_Click(int hDC);
    Q_INVOKABLE bool Form_KeyDown(int hDC, int KeyCode, short Shift);
    Q_INVOKABLE QString StatusText();
    Q_INVOKABLE void SaveGame();

    // For tests: replaces the player's side of every question.
    void setDialogs(std::unique_ptr<Dialogs> dialogs);
    // Deals game `number` on `hdc`, whose window shows the bare table, as
    // "Deal number..." does without asking.
    void dealNumber(int hDC, std::uint32_t number);
    const Table& table() const { return m_table; }
    std::uint32_t currentDeal() const { return m_deal; }
    bool isWon() const { return m_state == State::Won; }
    Layout currentLayout() const;
    Statistics& statistics() { return *m_statistics; }

protected:
    // `name`: the game's name, shown and used for its folder.
    explicit Game(QString name, QObject* parent = nullptr);

    // --- What a game writes ---
    virtual int packSize() const { return 52; }
    // The pack in dealing order for deal `number`: by default the kit's own numbering
    // (deals::order). A game whose deals are numbered as elsewhere gives its own order.
    virtual std::vector<Card> packOrder(std::uint32_t number) const;
    // A new table from the pack in dealing order, with the options chosen now.
    virtual Table deal(const std::vector<Card>& pack) const = 0;
    // Where the piles lie in a client area of `area` pixels.
    virtual Layout layout(QSize area) const = 0;
    virtual bool canTake(const Table& table, PileId pile, int index) const = 0;
    virtual bool canPlace(const Table& table, const Card& card, int count, PileId pile) const = 0;
    // A press on the stock: changes the table (draw, redeal) and answers whether it did.
    virtual bool stockClick(Table& table) const = 0;
    // Where a double click sends the pile's top card; by default the first foundation
    // that takes it.
    virtual std::optional<PileId> doubleClickTarget(const Table& table, PileId from) const;
    // By default: every card on the foundations.
    virtual bool isWon(const Table& table) const;
    // Does a card of another pile lie over card `index` of `pile` (a pyramid's rows)? A
    // covered card is neither picked up nor dropped on. By default none is.
    virtual bool isCovered(const Table&, PileId, int) const { return false; }
    // Does the rule turn a face-down card left on top of this pile? By default columns.
    virtual bool turnsTopCard(PileId pile) const { return pile.role == Role::Tableau; }
    // Engine symbol on the pile's empty place; by default what the layout says.
    virtual short marker(const Table& table, PileId pile, const Layout& layout) const;
    // Makes a legal move on `table`: by default the cards go from one pile onto the
    // other. A game whose moves do more (a pair that leaves the table) does it here.
    virtual void applyMove(Table& table, const Move& move) const;
    // The rules' own changes after every action, before face-down tops are turned (a
    // finished run leaves a column, an empty column is filled from the reserve).
    // Answers whether it changed the table.
    virtual bool settle(Table& table) const;
    // Does the game move cards to the foundations by itself? Without it the Settings
    // window offers no Autoplay box and nothing moves by itself.
    virtual bool autoplays() const { return true; }
    // The move autoplay makes next, when it is on: by default a safe move to a
    // foundation (rules::isSafeToFoundation).
    virtual std::optional<Move> autoplayMove(const Table& table) const;
    // Scoring: points for a move and for a turned card; games that score say so.
    virtual bool scores(const Table& table) const;
    virtual int moveScore(const Table& before, const Move& move) const;
    virtual int turnScore() const { return 0; }
    virtual QString instructions() const = 0;
    // The choices the Settings window offers beside the kit's Autoplay.
    virtual std::vector<SettingChoice> settingChoices() const { return {}; }

    // The stored value of one of settingChoices(), or its first option's.
    QVariant setting(const QString& key) const;

private:
    enum class State { NoGame, Playing, Won };
    struct Press {
        PileId pile;
        int card = 0;
    };

    void startDeal(int hDC, std::uint32_t number,
                   TableMirror::Window window = TableMirror::Window::Covered);
    RuleSet ruleSet() const;
    bool isLegal(const Move& move) const;
    bool mayAbandon();
    void abandon();
    void redraw(int hDC, TableMirror::Window window = TableMirror::Window::Covered);
    // Undo and redo: the table goes onto `to` and the last of `from` takes its place.
    // Always false: the table is redrawn here.
    bool stepThroughHistory(int hDC, std::vector<Table>& from, std::vector<Table>& to);
    void pressPlaying(int hDC, QPoint point, float x, float y);
    void drop(int hDC, DragSession drag, QPoint point);
    std::optional<PileId> dropTarget(const DragSession& drag, int card, QPoint point) const;
    void cancelDrag(int hDC);
    void stockAction(int hDC);
    // Slides the top card of `move.from` to its new place and makes the move.
    void slideMove(int hDC, const Move& move);
    // Ends a user action that started from `before`: history, counters, turns, autoplay,
    // the win.
    void finishAction(int hDC, Table before);
    bool turnCards(Table& table) const;
    std::optional<Move> nextAutoplayMove() const;
    std::vector<Move> hints() const;
    void showHint(int hDC, const Move& move);
    void win(int hDC);
    int seconds() const;
    void makeMove(Table& table, const Move& move) const;
    void loadSavedGame();
    QString folder() const;

    QString m_name;
    dorvik::Class1 m_engine;
    TableMirror m_mirror{m_engine};
    TableBackground m_background;
    std::unique_ptr<Dialogs> m_dialogs;
    QString m_installDir;
    Store m_settings;
    Store m_statisticsStore;
    Store m_savedStore;
    std::unique_ptr<Statistics> m_statistics;
    QSize m_area; // from RefreshTable; empty: the screen

    Table m_table;
    std::vector<Table> m_undo;
    std::vector<Table> m_redo;
    std::uint32_t m_deal = 0;
    State m_state = State::NoGame;
    bool m_shown = false;   // does the window show m_table?
    bool m_counted = false; // has this game been counted as played?
    int m_secondsBefore = 0;
    QElapsedTimer m_clock; // runs from the first move
    std::optional<DragSession> m_drag;
    std::optional<Press> m_lastPress;
    int m_hint = 0;
};

} // namespace halvane::kit
