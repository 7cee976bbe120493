#include "games/spider/gameplay.h"

#include "games/spider/spiderrules.h"

namespace halvane::spider {

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Spider"), parent) {}

int GamePlay::packSize() const {
    return PackSize;
}

kit::Table GamePlay::deal(const std::vector<kit::Card>& pack) const {
    return dealTable(pack, setting("Suits").toInt());
}

std::vector<kit::SettingChoice> GamePlay::settingChoices() const {
    return {{"Suits",
             tr("Suits"),
             {{tr("&One suit"), 1, "suitsOne"},
              {tr("&Two suits (colours)"), 2, "suitsTwo"},
              {tr("&Four suits"), 4, "suitsFour"}}}};
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
    if (!canDealRow(table)) {
        return false;
    }
    dealRow(table);
    return true;
}

bool GamePlay::settle(kit::Table& table) const {
    return clearFinishedRuns(table) > 0;
}

bool GamePlay::scores(const kit::Table&) const {
    return true;
}

int GamePlay::moveScore(const kit::Table&, const kit::Move&) const {
    return MovePoints;
}

QString GamePlay::instructions() const {
    return tr("<h2>Spider</h2>"
              "<p>Two packs, 104 cards. Build runs from the king down to the ace in one suit; "
              "each finished run leaves the table. Clear all eight runs to win.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> Ten columns are dealt: the first four get six cards, the "
              "other six get five, only the top card face up. Any card may go on a card one "
              "rank higher, whatever its suit: a five on any six. A face-down card left on top "
              "of a column turns over by itself.</li>"
              "<li><b>Moving runs.</b> A card moves together with the cards on it only when "
              "they run down in one suit, such as the eight, seven and six of hearts. An empty "
              "column takes any card or such run.</li>"
              "<li><b>Stock.</b> Click the stock at the top left to deal one card face up onto "
              "every column, five times in all. You may deal only while no column is empty: "
              "fill every empty column first.</li>"
              "<li><b>Foundations.</b> When a column ends in a run from the king down to the "
              "ace in one suit, the run goes up to one of the eight foundations at the top by "
              "itself, and a face-down card under it turns over. Cards are never moved to the "
              "foundations by hand, and never taken back.</li>"
              "</ul>"
              "<h3>Suits</h3>"
              "<p>Every card keeps its own face, so the number of suits chosen in Settings "
              "says which cards count as one suit:</p>"
              "<ul>"
              "<li><b>One suit:</b> suits are not told apart. Any run down by rank moves "
              "together, and any king-to-ace run is finished. The easiest game.</li>"
              "<li><b>Two suits:</b> the colour is the suit. A run moves together when its "
              "cards are all red or all black, and is finished as a king-to-ace run in one "
              "colour.</li>"
              "<li><b>Four suits:</b> the real suits: clubs, diamonds, hearts and spades. The "
              "hardest game.</li>"
              "</ul>"
              "<h3>The mouse and the keys</h3>"
              "<ul>"
              "<li>Drag a card, or a card with the run on it, with the left button and let go "
              "over the column where it should go. A move the rules do not allow slides the "
              "cards back home; so does Escape during a drag.</li>"
              "<li>Click the stock to deal a row.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. Every deal has a number; Restart plays "
              "the same deal again and Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move, one after another, and the stock last when a row may be dealt.</li>"
              "<li><b>Settings</b> chooses one, two or four suits; the choice is remembered and "
              "applies from the next deal.</li>"
              "</ul>"
              "<h3>Scoring</h3>"
              "<p>You start with 500 points. Every move, and every row dealt from the stock, "
              "costs one point; every finished run earns 100. The score never falls below "
              "0.</p>"
              "<p>When the eighth run leaves the table, the game is won and the cards "
              "celebrate.</p>");
}

} // namespace halvane::spider
