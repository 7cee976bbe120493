#pragma once
// The Forty Thieves game object the host creates as "FortyThieves.GamePlay": the kit's
// game with the rules of fortythievesrules.h and its instructions. It has no variants
// beside the kit's Autoplay, which moves only cards that no other card can still need
// (fortythieves::isSafeToFoundation: with two packs, both cards below in the suit home).

#include "games/kit/game.h"

namespace halvane::fortythieves {

class GamePlay : public kit::Game {
    Q_OBJECT
public:
    explicit GamePlay(QObject* parent = nullptr);

protected:
    int packSize() const override;
    kit::Table deal(const std::vector<kit::Card>& pack) const override;
    kit::Layout layout(QSize area) const override;
    bool canTake(const kit::Table& table, kit::PileId pile, int index) const override;
    bool canPlace(const kit::Table& table, const kit::Card& card, int count,
                  kit::PileId pile) const override;
    bool stockClick(kit::Table& table) const override;
    std::optional<kit::PileId> doubleClickTarget(const kit::Table& table,
                                                 kit::PileId from) const override;
    std::optional<kit::Move> autoplayMove(const kit::Table& table) const override;
    QString instructions() const override;
};

} // namespace halvane::fortythieves
