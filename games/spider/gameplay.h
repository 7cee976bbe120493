#pragma once
// The Spider game object the host creates as "Spider.GamePlay": the kit's game with
// Spider's rules (spiderrules.h), its suit count and its instructions. Nothing moves by
// itself but a finished run, so there is no autoplay; the game always scores.
//
// Settings (kept by the kit under the table folder): Suits 1, 2 or 4. A change applies
// from the next deal.

#include "games/kit/game.h"

namespace halvane::spider {

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
    bool settle(kit::Table& table) const override;
    bool autoplays() const override { return false; }
    bool scores(const kit::Table& table) const override;
    int moveScore(const kit::Table& before, const kit::Move& move) const override;
    QString instructions() const override;
    std::vector<kit::SettingChoice> settingChoices() const override;
};

} // namespace halvane::spider
