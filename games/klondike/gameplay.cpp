#include "games/klondike/gameplay.h"

#include "games/klondike/klondikerules.h"

namespace halvane::klondike {

namespace {

constexpr short RedealSymbol = 2; // the engine's circle: click to turn the waste back
constexpr short NoMoreSymbol = 3; // the cross: stock and waste are used up

} // namespace

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Klondike"), parent) {}

kit::Table GamePlay::deal(const std::vector<kit::Card>& pack) const {
    return dealTable(pack, setting("DrawCount").toInt(), setting("Redeals").toInt(),
                     setting("Scoring").toString() == "Standard");
}

std::vector<kit::SettingChoice> GamePlay::settingChoices() const {
    return {
        {"DrawCount",
         tr("Stock"),
         {{tr("Draw &one card"), 1, "drawOne"}, {tr("Draw &three cards"), 3, "drawThree"}}},
        {"Redeals",
         tr("Waste back to the stock"),
         {{tr("&Unlimited"), Unlimited, "redealsUnlimited"},
          {tr("T&hree times"), 3, "redealsThree"},
          {tr("O&nce"), 1, "redealsOne"}}},
        {"Scoring",
         tr("Scoring"),
         {{tr("No&ne"), "None", "scoringNone"}, {tr("&Standard"), "Standard", "scoringStandard"}}}};
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
    const MoveJudge judge(table);
    if (judge.canDraw()) {
        draw(table);
        return true;
    }
    if (judge.canRedeal()) {
        redeal(table);
        return true;
    }
    return false;
}

short GamePlay::marker(const kit::Table& table, kit::PileId pile, const kit::Layout& layout) const {
    if (pile.role != Role::Stock) {
        return kit::Game::marker(table, pile, layout);
    }
    const bool spent = table.pile(PileId::stock()).empty() && !MoveJudge(table).canRedeal();
    return spent ? NoMoreSymbol : RedealSymbol;
}

bool GamePlay::scores(const kit::Table& table) const {
    return table.options.at(Scoring) != 0;
}

int GamePlay::moveScore(const kit::Table& before, const kit::Move& move) const {
    return MoveJudge(before).score(move);
}

QString GamePlay::instructions() const {
    return tr("<h2>Klondike</h2>"
              "<p>Move all 52 cards onto the four foundations at the top right, each built up "
              "in one suit from the ace to the king.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> Seven columns are dealt below, with one to seven cards, the "
              "top card of each face up. Build them down in alternating colours: a red six on "
              "a black seven, a black five on the red six. You may move a face-up card "
              "together with all the cards on it. An empty column takes only a king, or a run "
              "that starts with a king.</li>"
              "<li><b>Face-down cards.</b> A face-down card left on top of a column turns over "
              "by itself.</li>"
              "<li><b>Stock and waste.</b> Click the stock at the top left to turn one card "
              "(or three, see Settings) onto the waste beside it. The top card of the waste "
              "can be played. When the stock is empty, its place shows a circle: click it to "
              "turn the waste over into a new stock, as often as the Settings allow. A cross "
              "means that stock and waste are used up.</li>"
              "<li><b>Foundations.</b> Start each foundation with an ace and add the next card "
              "of its suit. The top card of a foundation may be taken back onto a column. "
              "Cards that no other card can still need go up by themselves (Autoplay).</li>"
              "</ul>"
              "<h3>The mouse and the keys</h3>"
              "<ul>"
              "<li>Drag a card, or a face-up card with the cards on it, with the left button "
              "and let go over the pile where it should go. A move the rules do not allow "
              "slides the cards back home; so does Escape during a drag.</li>"
              "<li>Double-click the top card of a column or of the waste to send it to its "
              "foundation, when it fits there.</li>"
              "<li>Click the stock to draw.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. On an empty table a click also deals, "
              "and so does a click after a won game. Every deal has a number; Restart plays "
              "the same deal again and Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move.</li>"
              "<li><b>Settings</b> chooses drawing one card or three at a time, how often the "
              "waste may go back to the stock, standard scoring and autoplay; the choices are "
              "remembered and apply from the next deal.</li>"
              "</ul>"
              "<h3>Scoring</h3>"
              "<p>Waste to column 5, waste or column to foundation 10, a turned column card 5, "
              "foundation to column -15, the waste back to the stock -100 when drawing one "
              "card.</p>"
              "<p>When the last card reaches its foundation, the game is won and the cards "
              "celebrate.</p>");
}

} // namespace halvane::klondike
