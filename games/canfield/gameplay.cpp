#include "games/canfield/gameplay.h"

#include "games/canfield/canfieldrules.h"

namespace halvane::canfield {

namespace {

constexpr short RedealSymbol = 2; // the engine's circle: click to turn the waste back
constexpr short NoMoreSymbol = 3; // the cross: stock and waste are used up

} // namespace

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Canfield"), parent) {}

kit::Table GamePlay::deal(const std::vector<kit::Card>& pack) const {
    return dealTable(pack, setting("DrawCount").toInt(), setting("Redeals").toInt(),
                     setting("PartialMoves").toInt() != 0);
}

std::vector<kit::SettingChoice> GamePlay::settingChoices() const {
    return {{"DrawCount",
             tr("Stock"),
             {{tr("Draw &three cards"), 3, "drawThree"}, {tr("Draw &one card"), 1, "drawOne"}}},
            {"Redeals",
             tr("Waste back to the stock"),
             {{tr("&Unlimited"), Unlimited, "redealsUnlimited"},
              {tr("T&wice"), 2, "redealsTwo"},
              {tr("&Never"), 0, "redealsNone"}}},
            {"PartialMoves",
             tr("Moving columns"),
             {{tr("W&hole columns only"), 0, "wholeColumns"},
              {tr("&Partly, from any card with the cards on it"), 1, "partialColumns"}}}};
}

kit::Layout GamePlay::layout(QSize area) const {
    return tableLayout(area);
}

bool GamePlay::canTake(const kit::Table& table, kit::PileId pile, int index) const {
    return canfield::canTake(table, pile, index);
}

bool GamePlay::canPlace(const kit::Table& table, const kit::Card& card, int count,
                        kit::PileId pile) const {
    return canfield::canPlace(table, card, count, pile);
}

bool GamePlay::stockClick(kit::Table& table) const {
    return canfield::stockClick(table);
}

bool GamePlay::turnsTopCard(kit::PileId pile) const {
    return pile.role == Role::Tableau || pile.role == Role::Reserve;
}

short GamePlay::marker(const kit::Table& table, kit::PileId pile, const kit::Layout& layout) const {
    if (pile.role != Role::Stock) {
        return kit::Game::marker(table, pile, layout);
    }
    return table.pile(PileId::stock()).empty() && !canRedeal(table) ? NoMoreSymbol : RedealSymbol;
}

bool GamePlay::settle(kit::Table& table) const {
    return fillFromReserve(table);
}

std::optional<kit::Move> GamePlay::autoplayMove(const kit::Table& table) const {
    return canfield::autoplayMove(table);
}

QString GamePlay::instructions() const {
    return tr("<h2>Canfield</h2>"
              "<p>Move all 52 cards onto the four foundations at the top right.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Foundations.</b> One card is dealt face up to the first foundation: its "
              "rank is the base of this deal. Every foundation starts with a card of that "
              "rank and is built up in its suit, going on from the king to the ace: with an "
              "eight as base, a suit runs eight, nine, ten, jack, queen, king, ace, two and "
              "so on up to the seven. Cards on the foundations stay there.</li>"
              "<li><b>Reserve.</b> Thirteen cards lie below the waste, the top one face up. "
              "Its top card may be played to a foundation or a column; the next one turns "
              "over by itself.</li>"
              "<li><b>Columns.</b> Four columns start with one card each. Build them down in "
              "alternating colours, going on from the ace to the king: a red six on a black "
              "seven, a black king on a red ace. A column moves onto another only as a whole "
              "(or, if Settings allow, from any card with the cards on it); its top card may "
              "go to a foundation.</li>"
              "<li><b>Empty columns.</b> A column left empty is filled at once with the top "
              "card of the reserve. Once the reserve is used up, an empty column takes any "
              "card you put there.</li>"
              "<li><b>Stock and waste.</b> Click the stock at the top left to turn three cards "
              "(or one, see Settings) onto the waste. The top card of the waste can be played. "
              "When the stock is empty, its place shows a circle: click it to turn the waste "
              "over into a new stock, as often as the Settings allow. A cross means that stock "
              "and waste are used up.</li>"
              "<li><b>Autoplay.</b> Cards that no other card can still need go up by "
              "themselves: the base rank and the next one at once, a higher card once both "
              "suits of the other colour have reached the card before it.</li>"
              "</ul>"
              "<h3>The mouse and the keys</h3>"
              "<ul>"
              "<li>Drag a card, or a column by its bottom card, with the left button and let "
              "go over the pile where it should go. A move the rules do not allow slides the "
              "cards back home; so does Escape during a drag.</li>"
              "<li>Double-click the top card of a column, the reserve or the waste to send it "
              "to its foundation, when it fits there.</li>"
              "<li>Click the stock to draw.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. Every deal has a number; Restart plays "
              "the same deal again and Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move.</li>"
              "<li><b>Settings</b> chooses drawing three cards or one, how often the waste may "
              "go back to the stock, how columns move, and autoplay; the choices are "
              "remembered and apply from the next deal.</li>"
              "</ul>"
              "<p>When the last card reaches its foundation, the game is won.</p>");
}

} // namespace halvane::canfield
