#include "games/golf/gameplay.h"

#include "games/golf/golfrules.h"

namespace halvane::golf {

namespace {

constexpr short NoMoreSymbol = 3; // the engine's cross: the stock is used up

} // namespace

GamePlay::GamePlay(QObject* parent) : kit::Game(QStringLiteral("Golf"), parent) {}

kit::Table GamePlay::deal(const std::vector<kit::Card>& pack) const {
    return dealTable(pack, setting("Kings").toString() == "Open");
}

std::vector<kit::SettingChoice> GamePlay::settingChoices() const {
    return {{"Kings",
             tr("Kings"),
             {{tr("&Closed: nothing goes on a king"), "Closed", "kingsClosed"},
              {tr("&Open: a queen or an ace goes on a king"), "Open", "kingsOpen"}}}};
}

kit::Layout GamePlay::layout(QSize area) const {
    return tableLayout(area);
}

bool GamePlay::canTake(const kit::Table& table, kit::PileId pile, int index) const {
    return golf::canTake(table, pile, index);
}

bool GamePlay::canPlace(const kit::Table& table, const kit::Card& card, int count,
                        kit::PileId pile) const {
    return golf::canPlace(table, card, count, pile);
}

bool GamePlay::stockClick(kit::Table& table) const {
    return golf::stockClick(table);
}

bool GamePlay::isWon(const kit::Table& table) const {
    return golf::isWon(table);
}

short GamePlay::marker(const kit::Table& table, kit::PileId pile, const kit::Layout& layout) const {
    return pile.role == Role::Stock ? NoMoreSymbol : kit::Game::marker(table, pile, layout);
}

QString GamePlay::instructions() const {
    return tr("<h2>Golf</h2>"
              "<p>Clear the seven columns: every card goes onto the heap below them.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> Seven columns of five cards are dealt face up. Only the top "
              "card of a column can be played.</li>"
              "<li><b>Heap.</b> A column's top card goes onto the heap when its rank is one "
              "above or one below the heap's top card, whatever its suit: a six or an eight "
              "on a seven. At the start the heap is empty and takes any card.</li>"
              "<li><b>Kings.</b> Closed (the usual rule): nothing goes on a king, and a king "
              "and an ace are not neighbours. Open: the ranks go round, so a queen or an ace "
              "goes on a king and a king on an ace. Choose in Settings.</li>"
              "<li><b>Stock.</b> When no card fits, click the stock at the bottom left to "
              "turn its top card onto the heap. The stock is gone through once.</li>"
              "</ul>"
              "<h3>The mouse</h3>"
              "<ul>"
              "<li>Drag a column's top card onto the heap, or double-click it.</li>"
              "<li>Click the stock to turn a card.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game; Restart plays the same deal again and "
              "Deal number plays any deal.</li>"
              "<li><b>Undo</b> and <b>Redo</b> take back and replay moves; <b>Hint</b> shows a "
              "move.</li>"
              "<li><b>Settings</b> chooses closed or open kings, from the next deal.</li>"
              "</ul>"
              "<p>When the last column is empty, the game is won.</p>");
}

} // namespace halvane::golf
