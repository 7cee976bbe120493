#include "games/fortythieves/fortythievesrules.h"

#include "games/kit/dealnumber.h"
#include "games/kit/rules.h"

#include "engine/cardgeometry.h"

#include <algorithm>

namespace halvane::fortythieves {

namespace {

namespace rules = kit::rules;

PileId column(int i) {
    return PileId::tableau(i);
}

} // namespace

Table dealTable(const std::vector<Card>& order) {
    kit::deals::checkOrder(order, PackSize, "Forty Thieves");
    Table table;
    table.addPile(PileId::stock());
    table.addPile(PileId::waste());
    for (int i = 0; i < Foundations; ++i) {
        table.addPile(PileId::foundation(i));
    }
    for (int i = 0; i < Columns; ++i) {
        table.addPile(column(i));
    }
    const int dealt = Rows * Columns;
    for (int next = 0; next < dealt; ++next) {
        Card card = Card::standard(order[std::size_t(next)].number);
        card.faceUp = true;
        table.cards(column(next % Columns)).push_back(card);
    }
    for (std::size_t i = order.size(); i > std::size_t(dealt); --i) {
        table.cards(PileId::stock()).push_back(Card::standard(order[i - 1].number));
    }
    return table;
}

void draw(Table& table) {
    table.draw(PileId::stock(), PileId::waste(), 1);
}

bool isSafeToFoundation(const Table& table, const Card& card) {
    if (card.rank <= 2) {
        return true;
    }
    int home = 0; // cards one rank lower in the suit on the foundations
    for (PileId id : table.pilesOf(Role::Foundation)) {
        const auto& cards = table.pile(id);
        if (!cards.empty() && cards.back().suit == card.suit &&
            cards.back().rank >= card.rank - 1) {
            ++home;
        }
    }
    return home >= PackSize / 52;
}

bool MoveJudge::canTake(PileId pile, int index) const {
    if ((pile.role != Role::Tableau && pile.role != Role::Waste) || !m_table.has(pile)) {
        return false;
    }
    const auto& cards = m_table.pile(pile);
    return index == int(cards.size()) - 1 && index >= 0 && cards.back().faceUp;
}

bool MoveJudge::canPlace(const Card& card, int count, PileId pile) const {
    if (!m_table.has(pile) || count != 1 || !card.faceUp) {
        return false;
    }
    const auto& cards = m_table.pile(pile);
    switch (pile.role) {
    case Role::Foundation:
        return rules::goesOnFoundation(cards, card, count);
    case Role::Tableau:
        return cards.empty() || rules::sameSuitDescending(cards.back(), card);
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
    if (!m_table.has(from) || m_table.pile(from).empty()) {
        return std::nullopt;
    }
    const int top = int(m_table.pile(from).size()) - 1;
    for (int i = 0; i < Foundations; ++i) {
        if (isLegal(Move{from, top, PileId::foundation(i)})) {
            return PileId::foundation(i);
        }
    }
    return std::nullopt;
}

std::optional<Move> MoveJudge::safeMove() const {
    std::vector<PileId> sources{PileId::waste()};
    for (int i = 0; i < Columns; ++i) {
        sources.push_back(column(i));
    }
    for (PileId from : sources) {
        const auto& cards = m_table.pile(from);
        if (cards.empty() || !isSafeToFoundation(m_table, cards.back())) {
            continue;
        }
        if (const auto to = foundationFor(from)) {
            return Move{from, int(cards.size()) - 1, *to};
        }
    }
    return std::nullopt;
}

bool MoveJudge::canDraw() const {
    return !m_table.pile(PileId::stock()).empty();
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    const int pitch = std::clamp((area.width() - 2 * SideMargin - card::Width) / (Columns - 1),
                                 card::PitchX, ColumnPitch);
    const int width = (Columns - 1) * pitch + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);
    const auto x = [&](int i) { return left + i * pitch; };

    constexpr short NoRedeal = 3; // the engine's cross: the stock, once used, is gone
    kit::Layout layout(area);
    layout.place(PileId::stock(), {{x(0), TopMargin}, kit::Fan::None, 0, 0, false, NoRedeal});
    layout.place(PileId::waste(), {{x(1), TopMargin}, kit::Fan::None, 0, 0, false, 0});
    for (int i = 0; i < Foundations; ++i) {
        layout.place(PileId::foundation(i),
                     {{x(Columns - Foundations + i), TopMargin}, kit::Fan::None, 0, 0, false, 1});
    }
    for (int i = 0; i < Columns; ++i) {
        layout.place(column(i), {{x(i), TableauTop}, kit::Fan::Down, 5, card::Strip, false, 1});
    }
    return layout;
}

} // namespace halvane::fortythieves
