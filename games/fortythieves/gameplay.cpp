#include "games/fortythieves/gameplay.h"

#include "games/fortythieves/fortythievesrules.h"

namespace halvane::fortythieves {

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Forty Thieves"), parent) {}

int GamePlay::packSize() const {
    return PackSize;
}

kit::Table GamePlay::deal(const std::vector<kit::Card>& pack) const {
    return dealTable(pack);
}

kit::Layout GamePlay::layout(QSize area) const {
    return tableLayout(area);
}

bool GamePlay::canTake(const kit::Table& table, kit::PileId pile, int index) const {
    return MoveJudge(table).canTake(pile, index);
}

bool GamePlay::canPlace(const kit::Table& table, const kit::Card& card, int count,
                        kit::PileId pile) const {
    return MoveJudge(table).canPlace(card, count, pile);
}

bool GamePlay::stockClick(kit::Table& table) const {
    if (!MoveJudge(table).canDraw()) {
        return false;
    }
    draw(table);
    return true;
}

std::optional<kit::PileId> GamePlay::doubleClickTarget(const kit::Table& table,
                                                       kit::PileId from) const {
    return MoveJudge(table).foundationFor(from);
}

std::optional<kit::Move> GamePlay::autoplayMove(const kit::Table& table) const {
    return MoveJudge(table).safeMove();
}

QString GamePlay::instructions() const {
    return tr("<h2>Forty Thieves</h2>"
              "<p>Two packs, 104 cards. Move them all onto the eight foundations at the top, "
              "each built up in one suit from the ace to the king.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> Ten columns of four cards are dealt face up. Build them "
              "down in the same suit: the six of hearts on the seven of hearts. Only the top "
              "card of a column moves, one card at a time. An empty column takes any "
              "card.</li>"
              "<li><b>Stock and waste.</b> Click the stock at the top left to turn one card "
              "onto the waste beside it. The top card of the waste plays to the columns and "
              "the foundations. The stock is dealt only once: when it is used up, its place "
              "shows a cross.</li>"
              "<li><b>Foundations.</b> Start each foundation with an ace and add the next card "
              "of its suit; each suit has two foundations, one for each pack. Cards on the "
              "foundations stay there.</li>"
              "<li><b>Autoplay.</b> Aces and twos go up by themselves, and so does any card "
              "whose two cards one rank lower in its suit are both on the foundations, since "
              "no card could still be built on it. Settings turns this off.</li>"
              "</ul>"
              "<h3>The mouse and the keys</h3>"
              "<ul>"
              "<li>Drag the top card of a column or of the waste with the left button and let "
              "go over the pile where it should go. A move the rules do not allow slides the "
              "card back home; so does Escape during a drag.</li>"
              "<li>Double-click the top card of a column or of the waste to send it to its "
              "foundation, when it fits there.</li>"
              "<li>Click the stock to turn a card.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. Every deal has a number; Restart plays "
              "the same deal again and Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move.</li>"
              "<li><b>Settings</b> turns autoplay on or off.</li>"
              "</ul>"
              "<p>When the last card reaches its foundation, the game is won and the cards "
              "celebrate.</p>");
}

} // namespace halvane::fortythieves
