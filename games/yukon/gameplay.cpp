#include "games/yukon/gameplay.h"

#include "games/yukon/yukonrules.h"

namespace halvane::yukon {

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Yukon"), parent) {}

kit::Table GamePlay::deal(const std::vector<kit::Card>& pack) const {
    return dealTable(pack);
}

kit::Layout GamePlay::layout(QSize area) const {
    return tableLayout(area);
}

bool GamePlay::canTake(const kit::Table& table, kit::PileId pile, int index) const {
    return yukon::canTake(table, pile, index);
}

bool GamePlay::canPlace(const kit::Table& table, const kit::Card& card, int count,
                        kit::PileId pile) const {
    return yukon::canPlace(table, card, count, pile);
}

bool GamePlay::stockClick(kit::Table&) const {
    return false; // every card is dealt
}

QString GamePlay::instructions() const {
    return tr("<h2>Yukon</h2>"
              "<p>Move all 52 cards onto the four foundations at the right, each built up in "
              "one suit from the ace to the king.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> All the cards are dealt into seven columns: the first "
              "column gets one card face up; each of the others gets one to six cards face "
              "down and five face up on them.</li>"
              "<li><b>Building.</b> Build the columns down in alternating colours: a red six "
              "on a black seven. You may move <i>any</i> face-up card together with all the "
              "cards that lie on it, whatever their order: only the card you take has to fit "
              "where it goes.</li>"
              "<li><b>Empty columns.</b> An empty column takes only a king, with whatever "
              "lies on it.</li>"
              "<li><b>Face-down cards.</b> A face-down card left on top of a column turns over "
              "by itself.</li>"
              "<li><b>Foundations.</b> Start each foundation with an ace and add the next card "
              "of its suit. The top card of a foundation may be taken back onto a column. "
              "Cards that no other card can still need go up by themselves (Autoplay, see "
              "Settings).</li>"
              "</ul>"
              "<h3>The mouse and the keys</h3>"
              "<ul>"
              "<li>Drag a face-up card with the left button, and the cards on it come along; "
              "let go over the column or foundation where it should go. A move the rules do "
              "not allow slides the cards back home; so does Escape during a drag.</li>"
              "<li>Double-click the top card of a column to send it to its foundation, when it "
              "fits there.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. Every deal has a number; Restart plays "
              "the same deal again and Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move.</li>"
              "</ul>"
              "<p>When the last card reaches its foundation, the game is won.</p>");
}

} // namespace halvane::yukon
