#pragma once
// The Yukon game object the host creates as "Yukon.GamePlay": the kit's game with
// Yukon's rules (yukonrules.h) and its instructions. No stock, no variants: the
// Settings window offers the kit's Autoplay only.

#include "games/kit/game.h"

namespace halvane::yukon {

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
    bool stockClick(kit::Table& table) const override;
    QString instructions() const override;
};

} // namespace halvane::yukon
