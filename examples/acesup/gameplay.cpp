#include "gameplay.h"

namespace acesup {

GamePlay::GamePlay(QObject* parent) : Game(QStringLiteral("Aces Up"), parent) {}

Table GamePlay::deal(const std::vector<Card>& pack) const {
    return dealTable(pack);
}

halvane::kit::Layout GamePlay::layout(QSize area) const {
    return tableLayout(area);
}

bool GamePlay::canTake(const Table& table, PileId pile, int index) const {
    return acesup::canTake(table, pile, index);
}

bool GamePlay::canPlace(const Table& table, const Card& card, int count, PileId pile) const {
    return acesup::canPlace(table, card, count, pile);
}

bool GamePlay::stockClick(Table& table) const {
    return dealRow(table);
}

bool GamePlay::isWon(const Table& table) const {
    return acesup::isWon(table);
}

QString GamePlay::instructions() const {
    return tr("<h2>Aces Up</h2>"
              "<p>Discard every card but the four aces.</p>"
              "<ul>"
              "<li>A column's top card may go to the discards (at the right) when another "
              "column shows a higher card of the same suit. Aces rank high.</li>"
              "<li>Any top card may move into an empty column.</li>"
              "<li>Click the stock to deal one card onto each column.</li>"
              "</ul>"
              "<p>Drag a card, or double-click it to discard it.</p>");
}

} // namespace acesup
