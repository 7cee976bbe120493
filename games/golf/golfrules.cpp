#include "games/golf/golfrules.h"

#include "games/kit/dealnumber.h"

#include "games/kit/rules.h"

#include "engine/cardgeometry.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace halvane::golf {

namespace {

namespace rules = kit::rules;

} // namespace

Table dealTable(const std::vector<Card>& order, bool kingsOpen) {
    kit::deals::checkOrder(order, PackSize, "Golf");
    Table table;
    table.addPile(PileId::stock());
    table.addPile(Heap);
    for (int i = 0; i < Columns; ++i) {
        table.addPile(PileId::tableau(i));
    }
    std::size_t next = 0;
    for (int row = 0; row < ColumnDepth; ++row) {
        for (int column = 0; column < Columns; ++column) {
            Card card = Card::standard(order[next++].number);
            card.faceUp = true;
            table.cards(PileId::tableau(column)).push_back(card);
        }
    }
    for (std::size_t i = order.size(); i > next; --i) {
        table.cards(PileId::stock()).push_back(Card::standard(order[i - 1].number));
    }
    table.options = {kingsOpen ? 1 : 0};
    return table;
}

bool follows(const Card& under, const Card& over, bool kingsOpen) {
    const int apart = std::abs(under.rank - over.rank);
    if (kingsOpen) {
        return apart == 1 || apart == rules::King - rules::Ace;
    }
    return apart == 1 && under.rank != rules::King;
}

bool canTake(const Table& table, PileId pile, int index) {
    if (pile.role != Role::Tableau || !table.has(pile)) {
        return false;
    }
    const auto& cards = table.pile(pile);
    return index == int(cards.size()) - 1 && index >= 0;
}

bool canPlace(const Table& table, const Card& card, int count, PileId pile) {
    if (pile != Heap || count != 1 || !card.faceUp || !table.has(pile)) {
        return false;
    }
    const auto& heap = table.pile(pile);
    return heap.empty() || follows(heap.back(), card, table.options.at(KingsOpen) != 0);
}

bool stockClick(Table& table) {
    if (table.pile(PileId::stock()).empty()) {
        return false;
    }
    table.draw(PileId::stock(), Heap, 1);
    return true;
}

bool isWon(const Table& table) {
    for (int i = 0; i < Columns; ++i) {
        if (!table.pile(PileId::tableau(i)).empty()) {
            return false;
        }
    }
    return true;
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    const int pitch =
        std::clamp((area.width() - card::Width) / (Columns - 1), card::PitchX, ColumnPitch);
    const int width = (Columns - 1) * pitch + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);
    const auto column = [&](int i) { return left + i * pitch; };
    const int bottomRow = TopMargin + (ColumnDepth - 1) * CardStep + card::Height + RowGap;

    kit::Layout layout(area);
    for (int i = 0; i < Columns; ++i) {
        layout.place(PileId::tableau(i),
                     {{column(i), TopMargin}, kit::Fan::Down, CardStep, CardStep, false, 1});
    }
    layout.place(PileId::stock(), {{column(0), bottomRow}, kit::Fan::None, 0, 0, false, 1});
    layout.place(Heap, {{column(1), bottomRow}, kit::Fan::None, 0, 0, false, 1});
    return layout;
}

} // namespace halvane::golf
