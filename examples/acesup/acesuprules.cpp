#include "acesuprules.h"

#include <algorithm>

namespace acesup {

using halvane::kit::Fan;
using halvane::kit::Role;

namespace {

int value(const Card& card) {
    return card.rank == 1 ? 14 : card.rank; // aces high
}

} // namespace

Table dealTable(const std::vector<Card>& order) {
    Table table;
    table.addPile(PileId::stock());
    for (int i = 0; i < Columns; ++i) {
        table.addPile(PileId::tableau(i));
    }
    table.addPile(Discards);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        table.cards(PileId::stock()).push_back(Card::standard(it->number));
    }
    dealRow(table);
    return table;
}

bool canTake(const Table& table, PileId pile, int index) {
    return pile.role == Role::Tableau && index == int(table.pile(pile).size()) - 1;
}

bool canPlace(const Table& table, const Card& card, int count, PileId pile) {
    if (count != 1) {
        return false;
    }
    if (pile.role == Role::Tableau) {
        return table.pile(pile).empty();
    }
    // A discard needs a higher card of its suit on top of another column.
    const auto columns = table.pilesOf(Role::Tableau);
    return pile == Discards && std::any_of(columns.begin(), columns.end(), [&](PileId column) {
               const auto& cards = table.pile(column);
               return !cards.empty() && cards.back().suit == card.suit &&
                      value(cards.back()) > value(card);
           });
}

bool dealRow(Table& table) {
    if (table.pile(PileId::stock()).empty()) {
        return false;
    }
    for (int i = 0; i < Columns && !table.pile(PileId::stock()).empty(); ++i) {
        table.draw(PileId::stock(), PileId::tableau(i), 1);
    }
    return true;
}

bool isWon(const Table& table) {
    return table.pile(Discards).size() == 48;
}

halvane::kit::Layout tableLayout(QSize area) {
    // Stock, four columns and the discards in one row, 100 pixels apart and centred.
    const int left = std::max(16, (area.width() - 571) / 2);
    halvane::kit::Layout layout(area);
    layout.place(PileId::stock(), {{left, 16}, Fan::None, 0, 0, false, 1});
    for (int i = 0; i < Columns; ++i) {
        layout.place(PileId::tableau(i), {{left + 100 * (i + 1), 16}, Fan::Down, 5, 24, false, 1});
    }
    layout.place(Discards, {{left + 500, 16}, Fan::None, 0, 0, false, 1});
    return layout;
}

} // namespace acesup
