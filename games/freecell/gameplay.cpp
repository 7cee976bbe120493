#include "games/freecell/gameplay.h"

#include "games/freecell/freecellrules.h"

namespace halvane::freecell {

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("FreeCell"), parent) {}

std::vector<kit::Card> GamePlay::packOrder(std::uint32_t number) const {
    return standardOrder(number);
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

std::optional<kit::PileId> GamePlay::doubleClickTarget(const kit::Table& table,
                                                       kit::PileId from) const {
    return MoveJudge(table).doubleClickTarget(from);
}

QString GamePlay::instructions() const {
    return tr("<h2>FreeCell</h2>"
              "<p>Move all 52 cards onto the four foundations at the top right, each built up "
              "in one suit from the ace to the king. Every card lies face up from the start: "
              "almost every deal can be won.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> The pack is dealt into eight columns below. Build them down "
              "in alternating colours: a red six on a black seven, a black five on the red "
              "six. An empty column takes any card.</li>"
              "<li><b>Free cells.</b> The four places at the top left hold one card each, any "
              "card, until it can be played on.</li>"
              "<li><b>Foundations.</b> Start each foundation with an ace and add the next card "
              "of its suit. Cards on the foundations stay there. Cards that no other card can "
              "still need go up by themselves (Autoplay).</li>"
              "<li><b>Moving several cards.</b> A run in alternating colours may move at once "
              "as far as it could move one card at a time through the free cells and empty "
              "columns: with f free cells and e empty columns, (f + 1) x 2<sup>e</sup> cards, "
              "not counting the empty column the run goes to.</li>"
              "</ul>"
              "<h3>The mouse and the keys</h3>"
              "<ul>"
              "<li>Drag a card, or a card with the run on it, with the left button and let go "
              "over the pile where it should go. A move the rules do not allow slides the "
              "cards back home; so does Escape during a drag.</li>"
              "<li>Double-click a card to send it to its foundation, or, when it cannot go "
              "there, from a column into a free cell.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. Deals are numbered from 1 to 1,000,000 "
              "as in other FreeCell programs, so that deal 617 here is deal 617 there. "
              "Restart plays the same deal again and Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move.</li>"
              "<li><b>Settings</b> turns autoplay on or off.</li>"
              "</ul>"
              "<p>When the last card reaches its foundation, the game is won and the cards "
              "celebrate.</p>");
}

} // namespace halvane::freecell
