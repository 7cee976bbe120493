#pragma once
// The Baker's Dozen game object the host creates as "BakersDozen.GamePlay": the kit's
// game with the rules of bakersdozenrules.h and its instructions. Its only setting is
// the kit's Autoplay.

#include "games/kit/game.h"

namespace halvane::bakersdozen {

class GamePlay : public kit::Game {
    Q_OBJECT
public:
    explicit GamePlay(QObject* parent = nullptr);

protected:
    kit::Table deal(const std::vector<kit::Card>& pack) const override;
    kit::Layout layout(QSize area) const override;
    bool canTake(const kit::Table& table, kit::PileId pile, int index) const override;
    bool canPlace(const kit::Table& table, const kit::Card& card, int count,
                  kit::PileId pile) const override;
    bool stockClick(kit::Table&) const override { return false; }
    QString instructions() const override;
};

} // namespace halvane::bakersdozen
