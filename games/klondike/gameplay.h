#pragma once
// The Klondike game object the host creates as "Klondike.GamePlay": the kit's game with
// Klondike's rules (klondikerules.h), its settings and its instructions.
//
// Settings (kept by the kit under the table folder): DrawCount 1 or 3, Redeals -1
// (unlimited), 3 or 1, Scoring "None" or "Standard", and the kit's Autoplay. A change
// applies from the next deal.

#include "games/kit/game.h"

namespace halvane::klondike {

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
    short marker(const kit::Table& table, kit::PileId pile,
                 const kit::Layout& layout) const override;
    bool scores(const kit::Table& table) const override;
    int moveScore(const kit::Table& before, const kit::Move& move) const override;
    int turnScore() const override { return 5; }
    QString instructions() const override;
    std::vector<kit::SettingChoice> settingChoices() const override;
};

} // namespace halvane::klondike
