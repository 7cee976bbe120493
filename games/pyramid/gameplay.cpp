#include "games/pyramid/gameplay.h"

#include "games/pyramid/pyramidrules.h"

namespace halvane::pyramid {

namespace {

constexpr short RedealSymbol = 2; // the engine's circle: click to turn the waste back
constexpr short NoMoreSymbol = 3; // the cross: stock and waste are used up

} // namespace

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Pyramid"), parent) {}

kit::Table GamePlay::deal(const std::vector<kit::Card>& pack) const {
    return dealTable(pack, setting("Redeals").toInt());
}

std::vector<kit::SettingChoice> GamePlay::settingChoices() const {
    return {{"Redeals",
             tr("Waste back to the stock"),
             {{tr("&Twice (three passes)"), 2, "redealsTwo"},
              {tr("&Never"), 0, "redealsNone"},
              {tr("&Unlimited"), Unlimited, "redealsUnlimited"}}}};
}

kit::Layout GamePlay::layout(QSize area) const {
    return tableLayout(area);
}

bool GamePlay::canTake(const kit::Table& table, kit::PileId pile, int index) const {
    return pyramid::canTake(table, pile, index);
}

bool GamePlay::canPlace(const kit::Table& table, const kit::Card& card, int count,
                        kit::PileId pile) const {
    return pyramid::canPlace(table, card, count, pile);
}

bool GamePlay::isCovered(const kit::Table& table, kit::PileId pile, int index) const {
    return pyramid::isCovered(table, pile, index);
}

void GamePlay::applyMove(kit::Table& table, const kit::Move& move) const {
    pyramid::applyMove(table, move);
}

bool GamePlay::stockClick(kit::Table& table) const {
    return pyramid::stockClick(table);
}

bool GamePlay::isWon(const kit::Table& table) const {
    return pyramid::isWon(table);
}

short GamePlay::marker(const kit::Table& table, kit::PileId pile, const kit::Layout& layout) const {
    if (pile.role != Role::Stock) {
        return kit::Game::marker(table, pile, layout);
    }
    return table.pile(PileId::stock()).empty() && !canRedeal(table) ? NoMoreSymbol : RedealSymbol;
}

QString GamePlay::instructions() const {
    return tr("<h2>Pyramid</h2>"
              "<p>Clear the pyramid: take its cards away in pairs that add up to 13.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Pyramid.</b> 28 cards are dealt face up in seven rows, each row half "
              "over the row above. A card is free when no card of the row below lies on "
              "it.</li>"
              "<li><b>Pairs.</b> Two free cards whose ranks add up to 13 leave the table "
              "together: an ace with a queen, a two with a jack, a three with a ten, and so "
              "on (jack 11, queen 12). A king counts 13 and leaves on its own.</li>"
              "<li><b>Stock and waste.</b> Click the stock at the top left to turn one card "
              "onto the waste below it. The waste's top card is free and pairs with a free "
              "pyramid card. When the stock is empty, its place shows a circle: click it to "
              "turn the waste over into a new stock, as often as the Settings allow (twice "
              "by default: three passes). A cross means that stock and waste are used "
              "up.</li>"
              "</ul>"
              "<h3>The mouse</h3>"
              "<ul>"
              "<li>Drag a free card onto its partner: a pyramid card onto another or onto the "
              "waste's top card, or the waste's top card onto a pyramid card. Both go to the "
              "discard pile at the top right.</li>"
              "<li>Double-click a free king to discard it, or drag it onto the discard "
              "pile.</li>"
              "<li>Click the stock to turn a card.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game; Restart plays the same deal again and "
              "Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "pair.</li>"
              "<li><b>Settings</b> chooses how often the waste may go back to the stock, from "
              "the next deal.</li>"
              "</ul>"
              "<p>When the last pyramid card is gone, the game is won, whatever is left in "
              "the stock and the waste.</p>");
}

} // namespace halvane::pyramid
