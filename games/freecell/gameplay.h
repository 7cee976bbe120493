#pragma once
// The FreeCell game object the host creates as "FreeCell.GamePlay": the kit's game with
// FreeCell's rules (freecellrules.h), the shared deal numbering and its instructions.
// Its only setting is the kit's Autoplay.

#include "games/kit/game.h"

namespace halvane::freecell {

class GamePlay : public kit::Game {
    Q_OBJECT
public:
    explicit GamePlay(QObject* parent = nullptr);

protected:
    std::vector<kit::Card> packOrder(std::uint32_t number) const override;
    kit::Table deal(const std::vector<kit::Card>& pack) const override;
    kit::Layout layout(QSize area) const override;
    bool canTake(const kit::Table& table, kit::PileId pile, int index) const override;
    bool canPlace(const kit::Table& table, const kit::Card& card, int count,
                  kit::PileId pile) const override;
    bool stockClick(kit::Table&) const override { return false; }
    std::optional<kit::PileId> doubleClickTarget(const kit::Table& table,
                                                 kit::PileId from) const override;
    QString instructions() const override;
};

} // namespace halvane::freecell
