#include "games/canfield/canfieldrules.h"

#include "games/kit/dealnumber.h"
#include "games/kit/moves.h"
#include "games/kit/rules.h"

#include "engine/cardgeometry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace halvane::canfield {

namespace {

namespace rules = kit::rules;

const PileId ReservePile = PileId::reserve(0);

bool isTop(const std::vector<Card>& cards, int index) {
    return index == int(cards.size()) - 1;
}

// Does `card` lie in a column above its bottom card? Without partial moves such a card
// (a column's top card) may go only to a foundation.
bool isPartOfColumn(const Table& table, const Card& card) {
    const std::optional<Table::Place> place = table.find(card.number);
    return place && place->pile.role == Role::Tableau && place->index > 0;
}

} // namespace

Table dealTable(const std::vector<Card>& order, int drawCount, int redealLimit, bool partialMoves) {
    if (drawCount != 1 && drawCount != 3) {
        throw std::invalid_argument("Canfield: draw count " + std::to_string(drawCount) +
                                    " is neither 1 nor 3");
    }
    if (redealLimit < Unlimited) {
        throw std::invalid_argument("Canfield: redeal limit " + std::to_string(redealLimit) +
                                    " is below 0");
    }
    kit::deals::checkOrder(order, PackSize, "Canfield");
    Table table;
    table.addPile(PileId::stock());
    table.addPile(PileId::waste());
    for (int i = 0; i < Foundations; ++i) {
        table.addPile(PileId::foundation(i));
    }
    table.addPile(ReservePile);
    for (int i = 0; i < Columns; ++i) {
        table.addPile(PileId::tableau(i));
    }
    std::size_t next = 0;
    const auto deal = [&](PileId pile, bool faceUp) {
        Card card = Card::standard(order[next++].number);
        card.faceUp = faceUp;
        table.cards(pile).push_back(card);
    };
    for (int i = 0; i < ReserveSize; ++i) {
        deal(ReservePile, i == ReserveSize - 1);
    }
    deal(PileId::foundation(0), true);
    for (int i = 0; i < Columns; ++i) {
        deal(PileId::tableau(i), true);
    }
    for (std::size_t i = order.size(); i > next; --i) {
        table.cards(PileId::stock()).push_back(Card::standard(order[i - 1].number));
    }
    const int base = table.pile(PileId::foundation(0)).front().rank;
    table.options = {drawCount, redealLimit, base, partialMoves ? 1 : 0};
    return table;
}

bool buildsDown(const Card& under, const Card& over) {
    return under.colour != over.colour && over.rank % rules::King == under.rank - 1;
}

bool buildsUp(const Card& under, const Card& over) {
    return under.suit == over.suit && over.rank == under.rank % rules::King + 1;
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
    case Role::Waste:
    case Role::Reserve:
        return isTop(cards, index);
    case Role::Tableau:
        return index == 0 || isTop(cards, index) || table.options.at(PartialMoves) != 0;
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
        if (count != 1) {
            return false;
        }
        return cards.empty() ? card.rank == table.options.at(Base) : buildsUp(cards.back(), card);
    case Role::Tableau:
        if (table.options.at(PartialMoves) == 0 && isPartOfColumn(table, card)) {
            return false;
        }
        if (cards.empty()) {
            return table.pile(ReservePile).empty();
        }
        return cards.back().faceUp && buildsDown(cards.back(), card);
    default:
        return false;
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
        table.draw(PileId::stock(), PileId::waste(), table.options.at(DrawCount));
        return true;
    }
    if (canRedeal(table)) {
        table.recycle(PileId::waste(), PileId::stock());
        return true;
    }
    return false;
}

bool fillFromReserve(Table& table) {
    bool filled = false;
    for (PileId column : table.pilesOf(Role::Tableau)) {
        std::vector<Card>& reserve = table.cards(ReservePile);
        if (!table.pile(column).empty() || reserve.empty()) {
            continue;
        }
        reserve.back().faceUp = true; // a second column emptied at once finds it face down
        table.move(ReservePile, int(reserve.size()) - 1, column);
        filled = true;
    }
    return filled;
}

std::optional<Move> autoplayMove(const Table& table) {
    return kit::safeFoundationMove(table, kit::RuleSet{canTake, canPlace}, table.options.at(Base));
}

kit::Layout tableLayout(QSize area) {
    using namespace places;
    namespace card = dorvik::card;
    // Closer places on a narrow table, never closer than the cards' own pitch.
    const int pitch = std::clamp((area.width() - card::Width) / 6, card::PitchX, Pitch);
    const int width = 6 * pitch + card::Width;
    // Positions cross the engine as 16-bit numbers: keep the table well inside that range.
    const int left = std::clamp((area.width() - width) / 2, 0, 16000);
    const auto place = [&](int i) { return left + i * pitch; };

    kit::Layout layout(area);
    layout.place(PileId::stock(), {{place(0), TopMargin}, kit::Fan::None, 0, 0, false, 1});
    layout.place(PileId::waste(), {{place(1), TopMargin}, kit::Fan::Right, 0, WasteFan, true, 0});
    layout.place(ReservePile, {{place(1), LowerRow}, kit::Fan::Down, ReserveStep, 0, false, 1});
    for (int i = 0; i < Foundations; ++i) {
        layout.place(PileId::foundation(i),
                     {{place(3 + i), TopMargin}, kit::Fan::None, 0, 0, false, 1});
    }
    for (int i = 0; i < Columns; ++i) {
        layout.place(PileId::tableau(i),
                     {{place(3 + i), LowerRow}, kit::Fan::Down, 5, card::Strip, false, 1});
    }
    return layout;
}

} // namespace halvane::canfield
