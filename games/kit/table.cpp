#include "games/kit/table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace halvane::kit {

QString PileId::describe() const {
    switch (role) {
    case Role::Stock:
        return QStringLiteral("stock");
    case Role::Waste:
        return QStringLiteral("waste");
    case Role::Foundation:
        return QStringLiteral("foundation %1").arg(index + 1);
    case Role::Tableau:
        return QStringLiteral("column %1").arg(index + 1);
    case Role::Cell:
        return QStringLiteral("cell %1").arg(index + 1);
    case Role::Reserve:
        return QStringLiteral("reserve %1").arg(index + 1);
    }
    return QStringLiteral("pile");
}

namespace {

std::string named(PileId id) {
    return id.describe().toStdString();
}

} // namespace

void Table::addPile(PileId id) {
    if (has(id)) {
        throw std::logic_error("table: " + named(id) + " is there already");
    }
    m_piles.push_back(Pile{id, {}, 0});
}

std::vector<PileId> Table::pileIds() const {
    std::vector<PileId> ids;
    for (const Pile& pile : m_piles) {
        ids.push_back(pile.id);
    }
    return ids;
}

std::vector<PileId> Table::pilesOf(Role role) const {
    std::vector<PileId> ids;
    for (const Pile& pile : m_piles) {
        if (pile.id.role == role) {
            ids.push_back(pile.id);
        }
    }
    return ids;
}

bool Table::has(PileId id) const {
    return std::any_of(m_piles.begin(), m_piles.end(), [id](const Pile& p) { return p.id == id; });
}

const Pile& Table::pileOf(PileId id) const {
    for (const Pile& pile : m_piles) {
        if (pile.id == id) {
            return pile;
        }
    }
    throw std::out_of_range("table: no " + named(id));
}

Pile& Table::pileOf(PileId id) {
    return const_cast<Pile&>(std::as_const(*this).pileOf(id));
}

const std::vector<Card>& Table::pile(PileId id) const {
    return pileOf(id).cards;
}

std::vector<Card>& Table::cards(PileId id) {
    return pileOf(id).cards;
}

int Table::fanned(PileId id) const {
    return pileOf(id).fanned;
}

void Table::setFanned(PileId id, int count) {
    Pile& pile = pileOf(id);
    pile.fanned = std::clamp(count, 0, int(pile.cards.size()));
}

std::optional<Table::Place> Table::find(int number) const {
    for (const Pile& pile : m_piles) {
        for (std::size_t i = 0; i < pile.cards.size(); ++i) {
            if (pile.cards[i].number == number) {
                return Place{pile.id, int(i)};
            }
        }
    }
    return std::nullopt;
}

int Table::cardCount() const {
    int count = 0;
    for (const Pile& pile : m_piles) {
        count += int(pile.cards.size());
    }
    return count;
}

void Table::move(PileId from, int index, PileId to) {
    if (from == to || to.role == Role::Stock || to.role == Role::Waste) {
        throw std::logic_error("table: cannot move from " + named(from) + " to " + named(to));
    }
    Pile& source = pileOf(from);
    Pile& target = pileOf(to);
    if (index < 0 || index >= int(source.cards.size())) {
        throw std::logic_error("table: no card " + std::to_string(index) + " in " + named(from));
    }
    const auto first = source.cards.begin() + index;
    if (!std::all_of(first, source.cards.end(), [](const Card& card) { return card.faceUp; })) {
        throw std::logic_error("table: a face-down card cannot move");
    }
    target.cards.insert(target.cards.end(), first, source.cards.end());
    const int moved = int(source.cards.end() - first);
    source.cards.erase(first, source.cards.end());
    source.fanned = std::max(0, source.fanned - moved);
}

void Table::turnUp(PileId id) {
    std::vector<Card>& cards = pileOf(id).cards;
    if (cards.empty() || cards.back().faceUp) {
        throw std::logic_error("table: " + named(id) + " has no face-down top card to turn");
    }
    cards.back().faceUp = true;
}

std::vector<Card> Table::draw(PileId stock, PileId waste, int count) {
    Pile& from = pileOf(stock);
    Pile& to = pileOf(waste);
    if (from.cards.empty()) {
        throw std::logic_error("table: draw from an empty " + named(stock));
    }
    std::vector<Card> drawn;
    while (!from.cards.empty() && int(drawn.size()) < count) {
        Card card = from.cards.back();
        from.cards.pop_back();
        card.faceUp = true;
        to.cards.push_back(card);
        drawn.push_back(card);
    }
    to.fanned = int(drawn.size());
    return drawn;
}

void Table::recycle(PileId waste, PileId stock) {
    Pile& from = pileOf(waste);
    Pile& to = pileOf(stock);
    if (!to.cards.empty() || from.cards.empty()) {
        throw std::logic_error("table: a redeal needs an empty stock and a waste");
    }
    for (auto it = from.cards.rbegin(); it != from.cards.rend(); ++it) {
        Card card = *it;
        card.faceUp = false;
        to.cards.push_back(card);
    }
    from.cards.clear();
    from.fanned = 0;
    ++counters.redeals;
}

} // namespace halvane::kit
