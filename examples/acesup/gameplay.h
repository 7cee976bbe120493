#pragma once
// The Aces Up game object the table creates as "AcesUp.GamePlay": the kit's game with the
// rules of acesuprules.h. The kit does the rest: dragging, double clicks, undo, hints,
// statistics and the saved game.

#include "acesuprules.h"

#include "games/kit/game.h"

namespace acesup {

class GamePlay : public halvane::kit::Game {
    Q_OBJECT
public:
    explicit GamePlay(QObject* parent = nullptr);

protected:
    Table deal(const std::vector<Card>& pack) const override;
    halvane::kit::Layout layout(QSize area) const override;
    bool canTake(const Table& table, PileId pile, int index) const override;
    bool canPlace(const Table& table, const Card& card, int count, PileId pile) const override;
    bool stockClick(Table& table) const override;
    bool isWon(const Table& table) const override;
    // Nothing goes to the discards by itself: which card to give up is the game.
    bool autoplays() const override { return false; }
    QString instructions() const override;
};

} // namespace acesup
