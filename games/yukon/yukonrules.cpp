#include "games/yukon/yukonrules.h"

#include "games/kit/dealnumber.h"
#include "games/kit/rules.h"

#include "engine/cardgeometry.h"

#include <algorithm>

namespace halvane::yukon {

namespace rules = kit::rules;

Table dealTable(const std::vector<Card>& order) {
    kit::deals::checkOrder(order, PackSize, "Yukon");
    Table table;
    for (int i = 0; i < Foundations; ++i) {
        table.addPile(PileId::foundation(i));
    }
    for (int i = 0; i < Columns; ++i) {
        table.addPile(PileId::tableau(i));
    }
    std::size_t next = 0;
    const auto deal = [&](int column, bool faceUp) {
        Card card = Card::standard(order[next++].number);
        card.faceUp = faceUp;
        table.cards(PileId::tableau(column)).push_back(card);
    };
    for (int row = 0; row < Columns; ++row) {
        for (int column = row; column < Columns; ++column) {
            deal(column, column == row);
        }
    }
    for (int row = 1; row < FaceUpDealt; ++row) {
        for (int column = 1; column < Columns; ++column) {
            deal(column, true);
        }
    }
    return table;
}

bool canTake(const Table& table, PileId pile, int index) {
    if (!table.has(pile)) {
        return false;
    }
    const auto& cards = table.pile(pile);
    if (index < 0 || index >= int(cards.size()) || !cards[std::size_t(index)].faceUp) {
        return false;
    }
    switch (pile.role) {
    case Role::Foundation:
        return index == int(cards.size()) - 1;
    case Role::Tableau:
        return true; // every card above a face-up card in a column lies face up too
    default:
        return false;
    }
}

bool canPlace(const Table& table, const Card& card, int count, PileId pile) {
    if (!table.has(pile) || count < 1 || !card.faceUp) {
        return false;
    }
    const auto& cards = table.pile(pile);
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

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    const int room = area.width() - card::Width - FoundationGap;
    const int pitch = std::clamp(room / Columns, card::PitchX, ColumnPitch);
    const int width = Columns * pitch + FoundationGap + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);

    kit::Layout layout(area);
    for (int i = 0; i < Columns; ++i) {
        layout.place(PileId::tableau(i),
                     {{left + i * pitch, TopMargin}, kit::Fan::Down, 5, card::Strip, false, 1});
    }
    const int foundations = left + Columns * pitch + FoundationGap;
    for (int i = 0; i < Foundations; ++i) {
        layout.place(
            PileId::foundation(i),
            {{foundations, TopMargin + i * FoundationPitch}, kit::Fan::None, 0, 0, false, 1});
    }
    return layout;
}

} // namespace halvane::yukon
