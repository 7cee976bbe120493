#include "games/pyramid/pyramidrules.h"

#include "games/kit/dealnumber.h"

#include "engine/cardgeometry.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace halvane::pyramid {

namespace {

bool isPyramid(PileId pile) {
    return pile.role == Role::Tableau && pile.index >= 0 && pile.index < Places;
}

// The row of pyramid place `index`.
int rowOf(int index) {
    int row = 0;
    while ((row + 1) * (row + 2) / 2 <= index) {
        ++row;
    }
    return row;
}

// The free card `pile` offers to a pair, if any.
const Card* freeCard(const Table& table, PileId pile) {
    if (!table.has(pile) || table.pile(pile).empty()) {
        return nullptr;
    }
    const int top = int(table.pile(pile).size()) - 1;
    return canTake(table, pile, top) ? &table.pile(pile).back() : nullptr;
}

} // namespace

Table dealTable(const std::vector<Card>& order, int redealLimit) {
    if (redealLimit < Unlimited) {
        throw std::invalid_argument("Pyramid: redeal limit " + std::to_string(redealLimit) +
                                    " is below 0");
    }
    kit::deals::checkOrder(order, PackSize, "Pyramid");
    Table table;
    table.addPile(PileId::stock());
    table.addPile(PileId::waste());
    table.addPile(Discard);
    // Row by row from the apex: each row is drawn after, so over, the row above.
    for (int i = 0; i < Places; ++i) {
        table.addPile(PileId::tableau(i));
        Card card = Card::standard(order[std::size_t(i)].number);
        card.faceUp = true;
        table.cards(PileId::tableau(i)).push_back(card);
    }
    for (std::size_t i = order.size(); i > std::size_t(Places); --i) {
        table.cards(PileId::stock()).push_back(Card::standard(order[i - 1].number));
    }
    table.options = {redealLimit};
    return table;
}

bool isCovered(const Table& table, PileId pile, int) {
    if (!isPyramid(pile)) {
        return false;
    }
    const int row = rowOf(pile.index);
    if (row == Rows - 1) {
        return false;
    }
    const int column = pile.index - row * (row + 1) / 2;
    return !table.pile(place(row + 1, column)).empty() ||
           !table.pile(place(row + 1, column + 1)).empty();
}

bool canTake(const Table& table, PileId pile, int index) {
    if (!table.has(pile)) {
        return false;
    }
    const auto& cards = table.pile(pile);
    if (index != int(cards.size()) - 1 || index < 0 || !cards.back().faceUp) {
        return false;
    }
    return pile.role == Role::Waste || (isPyramid(pile) && !isCovered(table, pile, index));
}

bool canPlace(const Table& table, const Card& card, int count, PileId pile) {
    if (count != 1 || !card.faceUp || !table.has(pile)) {
        return false;
    }
    if (pile == Discard) {
        return card.rank == PairSum;
    }
    if (pile.role != Role::Waste && !isPyramid(pile)) {
        return false;
    }
    const Card* partner = freeCard(table, pile);
    return partner && partner->rank + card.rank == PairSum;
}

void applyMove(Table& table, const Move& move) {
    table.move(move.from, move.index, Discard);
    if (move.to != Discard) {
        table.move(move.to, int(table.pile(move.to).size()) - 1, Discard);
    }
}

bool canRedeal(const Table& table) {
    if (!table.pile(PileId::stock()).empty() || table.pile(PileId::waste()).empty()) {
        return false;
    }
    const int limit = table.options.at(RedealLimit);
    return limit == Unlimited || table.counters.redeals < limit;
}

bool stockClick(Table& table) {
    if (!table.pile(PileId::stock()).empty()) {
        table.draw(PileId::stock(), PileId::waste(), 1);
        return true;
    }
    if (canRedeal(table)) {
        table.recycle(PileId::waste(), PileId::stock());
        return true;
    }
    return false;
}

bool isWon(const Table& table) {
    for (int i = 0; i < Places; ++i) {
        if (!table.pile(PileId::tableau(i)).empty()) {
            return false;
        }
    }
    return true;
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    const int pyramidWidth = (Rows - 1) * Pitch + card::Width;
    const int width = card::Width + SideGap + pyramidWidth + SideGap + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);
    const int pyramidLeft = left + card::Width + SideGap;

    kit::Layout layout(area);
    layout.place(PileId::stock(), {{left, TopMargin}, kit::Fan::None, 0, 0, false, 1});
    layout.place(PileId::waste(),
                 {{left, TopMargin + card::Height + RowGap}, kit::Fan::None, 0, 0, false, 1});
    layout.place(
        Discard,
        {{pyramidLeft + pyramidWidth + SideGap, TopMargin}, kit::Fan::None, 0, 0, false, 1});
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column <= row; ++column) {
            const QPoint at(pyramidLeft + (Rows - 1 - row) * Pitch / 2 + column * Pitch,
                            TopMargin + row * RowStep);
            layout.place(place(row, column), {at, kit::Fan::None, 0, 0, false, 0});
        }
    }
    return layout;
}

} // namespace halvane::pyramid
