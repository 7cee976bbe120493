#include "games/klondike/klondikerules.h"

#include "games/kit/dealnumber.h"

#include "games/kit/rules.h"

#include "engine/cardgeometry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace halvane::klondike {

namespace rules = kit::rules;

Table dealTable(const std::vector<Card>& order, int drawCount, int redealLimit, bool scoring) {
    if (drawCount != 1 && drawCount != 3) {
        throw std::invalid_argument("Klondike: draw count " + std::to_string(drawCount) +
                                    " is neither 1 nor 3");
    }
    if (redealLimit < Unlimited) {
        throw std::invalid_argument("Klondike: redeal limit " + std::to_string(redealLimit) +
                                    " is below 0");
    }
    kit::deals::checkOrder(order, PackSize, "Klondike");
    Table table;
    table.addPile(PileId::stock());
    table.addPile(PileId::waste());
    for (int i = 0; i < Foundations; ++i) {
        table.addPile(PileId::foundation(i));
    }
    for (int i = 0; i < Columns; ++i) {
        table.addPile(PileId::tableau(i));
    }
    std::size_t next = 0;
    for (int row = 0; row < Columns; ++row) {
        for (int column = row; column < Columns; ++column) {
            Card card = Card::standard(order[next++].number);
            card.faceUp = column == row;
            table.cards(PileId::tableau(column)).push_back(card);
        }
    }
    for (std::size_t i = order.size(); i > next; --i) {
        table.cards(PileId::stock()).push_back(Card::standard(order[i - 1].number));
    }
    table.options = {drawCount, redealLimit, scoring ? 1 : 0};
    return table;
}

std::vector<Card> draw(Table& table) {
    return table.draw(PileId::stock(), PileId::waste(), table.options.at(DrawCount));
}

void redeal(Table& table) {
    if (!MoveJudge(table).canRedeal()) {
        throw std::logic_error("Klondike: no redeal is left");
    }
    table.recycle(PileId::waste(), PileId::stock());
    if (table.options.at(Scoring) != 0 && table.options.at(DrawCount) == 1) {
        table.counters.score = std::max(0, table.counters.score - 100);
    }
}

bool isWon(const Table& table) {
    int home = 0;
    for (int i = 0; i < Foundations; ++i) {
        home += int(table.pile(PileId::foundation(i)).size());
    }
    return home == PackSize;
}

bool MoveJudge::canTake(PileId pile, int index) const {
    if (!m_table.has(pile)) {
        return false;
    }
    const auto& cards = m_table.pile(pile);
    if (index < 0 || index >= int(cards.size()) || !cards[std::size_t(index)].faceUp) {
        return false;
    }
    switch (pile.role) {
    case Role::Waste:
    case Role::Foundation:
        return index == int(cards.size()) - 1;
    case Role::Tableau:
        return true; // every card above a face-up card in a column lies face up too
    default:
        return false;
    }
}

bool MoveJudge::canPlace(const Card& card, int count, PileId pile) const {
    if (!m_table.has(pile) || count < 1 || !card.faceUp) {
        return false;
    }
    const auto& cards = m_table.pile(pile);
    switch (pile.role) {
    case Role::Foundation:
        return rules::goesOnFoundation(cards, card, count);
    case Role::Tableau:
        if (cards.empty()) {
            return card.rank == rules::King;
        }
        return cards.back().faceUp && rules::alternateColoursDescending(cards.back(), card);
    default:
        return false;
    }
}

bool MoveJudge::isLegal(const Move& move) const {
    if (move.from == move.to || !canTake(move.from, move.index)) {
        return false;
    }
    const auto& cards = m_table.pile(move.from);
    return canPlace(cards[std::size_t(move.index)], int(cards.size()) - move.index, move.to);
}

std::optional<PileId> MoveJudge::foundationFor(PileId from) const {
    if (!m_table.has(from) || from.role == Role::Foundation) {
        return std::nullopt;
    }
    const auto& cards = m_table.pile(from);
    if (cards.empty() || !canTake(from, int(cards.size()) - 1)) {
        return std::nullopt;
    }
    // Only one foundation can take a card that continues a suit; an ace goes to the
    // first empty one.
    for (int i = 0; i < Foundations; ++i) {
        if (canPlace(cards.back(), 1, PileId::foundation(i))) {
            return PileId::foundation(i);
        }
    }
    return std::nullopt;
}

bool MoveJudge::canDraw() const {
    return m_table.has(PileId::stock()) && !m_table.pile(PileId::stock()).empty();
}

bool MoveJudge::canRedeal() const {
    if (!m_table.has(PileId::stock()) || !m_table.pile(PileId::stock()).empty() ||
        m_table.pile(PileId::waste()).empty()) {
        return false;
    }
    const int limit = m_table.options.at(RedealLimit);
    return limit == Unlimited || m_table.counters.redeals < limit;
}

int MoveJudge::score(const Move& move) const {
    const Role from = move.from.role;
    const Role to = move.to.role;
    if (to == Role::Foundation && (from == Role::Waste || from == Role::Tableau)) {
        return 10;
    }
    if (from == Role::Waste && to == Role::Tableau) {
        return 5;
    }
    if (from == Role::Foundation && to == Role::Tableau) {
        return -15;
    }
    return 0;
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    // Closer columns on a narrow table, never closer than the cards' own pitch.
    const int pitch =
        std::clamp((area.width() - card::Width) / (Columns - 1), card::PitchX, ColumnPitch);
    const int width = (Columns - 1) * pitch + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);
    const auto column = [&](int i) { return left + i * pitch; };

    kit::Layout layout(area);
    layout.place(PileId::stock(), {{column(0), TopMargin}, kit::Fan::None, 0, 0, false, 1});
    layout.place(PileId::waste(), {{column(1), TopMargin}, kit::Fan::Right, 0, WasteFan, true, 0});
    for (int i = 0; i < Foundations; ++i) {
        layout.place(PileId::foundation(i),
                     {{column(3 + i), TopMargin}, kit::Fan::None, 0, 0, false, 1});
    }
    for (int i = 0; i < Columns; ++i) {
        layout.place(PileId::tableau(i),
                     {{column(i), TableauTop}, kit::Fan::Down, 5, card::Strip, false, 1});
    }
    return layout;
}

} // namespace halvane::klondike
