#pragma once
// The Golf game object the host creates as "Golf.GamePlay": the kit's game with Golf's
// rules (golfrules.h), its setting and its instructions.
//
// Setting (kept by the kit under the table folder): Kings "Closed" or "Open"; a change
// applies from the next deal. Nothing moves by itself; a double click on a column's top
// card sends it to the heap when it fits there.

#include "games/kit/game.h"

namespace halvane::golf {

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
    bool isWon(const kit::Table& table) const override;
    short marker(const kit::Table& table, kit::PileId pile,
                 const kit::Layout& layout) const override;
    bool autoplays() const override { return false; }
    QString instructions() const override;
    std::vector<kit::SettingChoice> settingChoices() const override;
};

} // namespace halvane::golf
