#include "games/bakersdozen/bakersdozenrules.h"

#include "games/kit/dealnumber.h"
#include "games/kit/rules.h"

#include "engine/cardgeometry.h"

#include <algorithm>

namespace halvane::bakersdozen {

namespace rules = kit::rules;

Table dealTable(const std::vector<Card>& order) {
    kit::deals::checkOrder(order, PackSize, "Baker's Dozen");
    Table table;
    for (int i = 0; i < Foundations; ++i) {
        table.addPile(PileId::foundation(i));
    }
    for (int i = 0; i < Columns; ++i) {
        table.addPile(PileId::tableau(i));
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        Card card = Card::standard(order[i].number);
        card.faceUp = true;
        table.cards(PileId::tableau(int(i % Columns))).push_back(card);
    }
    for (PileId column : table.pilesOf(Role::Tableau)) {
        std::vector<Card>& cards = table.cards(column);
        std::stable_partition(cards.begin(), cards.end(),
                              [](const Card& card) { return card.rank == rules::King; });
    }
    return table;
}

bool MoveJudge::canTake(PileId pile, int index) const {
    return m_table.has(pile) && pile.role == Role::Tableau &&
           index == int(m_table.pile(pile).size()) - 1 && index >= 0;
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
        return !cards.empty() && rules::anySuitDescending(cards.back(), card);
    default:
        return false;
    }
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    const int pitch =
        std::clamp((area.width() - card::Width) / (Columns - 1), card::PitchX, ColumnPitch);
    const int width = (Columns - 1) * pitch + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);

    kit::Layout layout(area);
    // The foundations, a column pitch apart, centred over the columns.
    const int foundationsLeft = left + (Columns - Foundations) * pitch / 2;
    for (int i = 0; i < Foundations; ++i) {
        layout.place(PileId::foundation(i),
                     {{foundationsLeft + i * pitch, TopMargin}, kit::Fan::None, 0, 0, false, 1});
    }
    for (int i = 0; i < Columns; ++i) {
        layout.place(PileId::tableau(i),
                     {{left + i * pitch, TableauTop}, kit::Fan::Down, 5, card::Strip, false, 0});
    }
    return layout;
}

} // namespace halvane::bakersdozen
