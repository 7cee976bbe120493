#pragma once
// The Canfield game object the host creates as "Canfield.GamePlay": the kit's game with
// Canfield's rules (canfieldrules.h), its settings and its instructions.
//
// Settings (kept by the kit under the table folder): DrawCount 3 or 1, Redeals -1
// (unlimited), 2 or 0, PartialMoves 0 (a column moves whole) or 1, and the kit's
// Autoplay, which counts ranks from the deal's base. A change applies from the next
// deal.

#include "games/kit/game.h"

namespace halvane::canfield {

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
    bool turnsTopCard(kit::PileId pile) const override;
    short marker(const kit::Table& table, kit::PileId pile,
                 const kit::Layout& layout) const override;
    bool settle(kit::Table& table) const override;
    std::optional<kit::Move> autoplayMove(const kit::Table& table) const override;
    QString instructions() const override;
    std::vector<kit::SettingChoice> settingChoices() const override;
};

} // namespace halvane::canfield
