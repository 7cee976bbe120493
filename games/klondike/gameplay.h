#pragma once
// The Klondike game object the host creates as "Klondike.GamePlay" and calls by name:
// it turns the table window's mouse events and the game's menu commands into moves on
// the rules' table and calls on the card engine.
//
// Mouse use: a left press on the stock draws (or redeals), on a face-down top card
// turns it, on a face-up card starts dragging it with the cards on it; the release
// judges the drop. A double click sends the pressed top card to its foundation. Any
// other order of events (a move or release without a press, other buttons, a press
// while nothing is dealt) changes nothing harmful; a press on a table with no game in
// progress deals one. Engine failures propagate to the host.

#include "games/klondike/dragsession.h"
#include "games/klondike/klondiketable.h"
#include "games/klondike/tablebackground.h"
#include "games/klondike/tabledealer.h"

#include "engine/class1.h"

#include <QObject>

#include <optional>

namespace halvane::klondike {

class GamePlay : public QObject {
    Q_OBJECT
public:
    explicit GamePlay(QObject* parent = nullptr);
    ~GamePlay() override;

    // The eight operations of a game. hDC is the table window's device context; Button
    // 1 left, 2 right, 4 middle (for a move: the buttons held); X, Y pixels of the
    // window's client area.
    Q_INVOKABLE void InitializeGame();
    Q_INVOKABLE void mnuDeal_Click(int hDC);
    Q_INVOKABLE void mnuSettings_Click(int hDC);
    Q_INVOKABLE void mnuInstructions_Click(int hDC);
    Q_INVOKABLE void Form_MouseDown(int hDC, short Button, short Shift, float X, float Y);
    Q_INVOKABLE void Form_MouseMove(int hDC, short Button, short Shift, float X, float Y);
    Q_INVOKABLE void Form_MouseUp(int hDC, short Button, short Shift, float X, float Y);
    Q_INVOKABLE void Form_DblClick(int hDC);

private:
    enum class State { NoGame, Playing, Won };
    struct Press {
        PileId pile;
        int card = 0; // the card pressed, 0 for an empty place
    };

    void deal(int hDC);
    void pressPlaying(int hDC, QPoint point, float x, float y);
    void drop(int hDC, DragSession drag, QPoint point);
    std::optional<PileId> dropTarget(const DragSession& drag, int card, QPoint point) const;
    void cancelDrag(int hDC);
    void checkWin(int hDC);

    dorvik::Class1 m_engine;
    KlondikeTable m_table;
    std::optional<TableDealer> m_dealer; // made at each deal, for the screen of the time
    std::optional<DragSession> m_drag;
    std::optional<Press> m_lastPress;
    TableBackground m_background;
    State m_state = State::NoGame;
};

} // namespace halvane::klondike
