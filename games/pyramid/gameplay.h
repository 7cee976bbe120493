#pragma once
// The Pyramid game object the host creates as "Pyramid.GamePlay": the kit's game with
// Pyramid's rules (pyramidrules.h), its setting and its instructions.
//
// Setting (kept by the kit under the table folder): Redeals 2 (three passes through the
// stock), 0 or -1 (unlimited); a change applies from the next deal. A pair leaves when one
// card is dropped on the other; a king leaves on a double click (or dragged onto the
// discard pile). Covered cards are neither picked up nor dropped on. Nothing moves by
// itself.

#include "games/kit/game.h"

namespace halvane::pyramid {

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
    bool isCovered(const kit::Table& table, kit::PileId pile, int index) const override;
    void applyMove(kit::Table& table, const kit::Move& move) const override;
    bool stockClick(kit::Table& table) const override;
    bool isWon(const kit::Table& table) const override;
    short marker(const kit::Table& table, kit::PileId pile,
                 const kit::Layout& layout) const override;
    bool autoplays() const override { return false; }
    QString instructions() const override;
    std::vector<kit::SettingChoice> settingChoices() const override;
};

} // namespace halvane::pyramid
