#include "games/bakersdozen/gameplay.h"

#include "games/bakersdozen/bakersdozenrules.h"

namespace halvane::bakersdozen {

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Baker's Dozen"), parent) {}

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

QString GamePlay::instructions() const {
    return tr("<h2>Baker's Dozen</h2>"
              "<p>Move all 52 cards onto the four foundations at the top, each built up in "
              "one suit from the ace to the king.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> The pack is dealt face up into thirteen columns of four "
              "cards, a baker's dozen. Each king is then moved to the bottom of its column, "
              "so that no king lies on a card it would block for the whole game.</li>"
              "<li><b>Building.</b> Only the top card of a column moves, one card at a time. "
              "Put it on a card one rank higher, of any suit: a six on any seven.</li>"
              "<li><b>Empty columns.</b> A column that has been cleared stays empty: nothing "
              "may be put there.</li>"
              "<li><b>Foundations.</b> Start each foundation with an ace and add the next card "
              "of its suit. Cards on the foundations stay there. Cards that no other card can "
              "still need go up by themselves (Autoplay).</li>"
              "</ul>"
              "<h3>The mouse and the keys</h3>"
              "<ul>"
              "<li>Drag a column's top card with the left button and let go over the pile "
              "where it should go. A move the rules do not allow slides the card back home; "
              "so does Escape during a drag.</li>"
              "<li>Double-click a column's top card to send it to its foundation.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. Every deal has a number; Restart "
              "plays the same deal again and Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move.</li>"
              "<li><b>Settings</b> turns autoplay on or off.</li>"
              "</ul>"
              "<p>When the last card reaches its foundation, the game is won and the cards "
              "celebrate.</p>");
}

} // namespace halvane::bakersdozen
