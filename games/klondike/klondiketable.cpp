#include "games/klondike/klondiketable.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace halvane::klondike {

namespace {

std::string cardText(const Card& card) {
    return "card " + std::to_string(card.number) + " (suit " + std::to_string(card.suit) +
           ", rank " + std::to_string(card.rank) + ", colour " + std::to_string(card.colour) + ")";
}

void checkOrder(const std::vector<Card>& order) {
    if (order.size() != KlondikeTable::PackSize)
        throw std::invalid_argument("Klondike: a deal needs 52 cards, got " +
                                    std::to_string(order.size()));
    std::array<bool, KlondikeTable::PackSize + 1> seenNumber{};
    std::array<bool, KlondikeTable::PackSize> seenFace{};
    for (const Card& card : order) {
        if (card.number < 1 || card.number > KlondikeTable::PackSize)
            throw std::invalid_argument("Klondike: " + cardText(card) +
                                        " is not a number from 1 to 52");
        if (card.suit < 1 || card.suit > 4 || card.rank < 1 || card.rank > 13 ||
            (card.colour != 1 && card.colour != 2))
            throw std::invalid_argument(
                "Klondike: " + cardText(card) +
                " is not a playing card; is the card engine's deck set up?");
        const int face = (card.suit - 1) * 13 + (card.rank - 1);
        if (seenNumber[card.number] || seenFace[face])
            throw std::invalid_argument("Klondike: " + cardText(card) +
                                        " appears twice in the deal");
        seenNumber[card.number] = true;
        seenFace[face] = true;
    }
}

} // namespace

void KlondikeTable::deal(const std::vector<Card>& order, int drawCount) {
    if (drawCount != 1 && drawCount != 3)
        throw std::invalid_argument("Klondike: draw count " + std::to_string(drawCount) +
                                    " is neither 1 nor 3");
    checkOrder(order);

    m_stock.clear();
    m_waste.clear();
    for (auto& foundation : m_foundations)
        foundation.clear();
    for (auto& column : m_columns)
        column.clear();

    std::size_t next = 0;
    for (int row = 0; row < Columns; ++row) {
        for (int column = row; column < Columns; ++column) {
            Card card = order[next++];
            card.faceUp = (column == row);
            m_columns[column].push_back(card);
        }
    }
    for (std::size_t i = order.size(); i > next; --i) {
        Card card = order[i - 1];
        card.faceUp = false;
        m_stock.push_back(card);
    }
    m_drawCount = drawCount;
    m_wasteFan = 0;
    m_dealt = true;
}

bool KlondikeTable::isWon() const {
    std::size_t home = 0;
    for (const auto& foundation : m_foundations)
        home += foundation.size();
    return m_dealt && home == PackSize;
}

template <typename Self> auto& KlondikeTable::pileOf(Self& self, PileId id) {
    switch (id.kind) {
    case PileKind::Stock:
        return self.m_stock;
    case PileKind::Waste:
        return self.m_waste;
    case PileKind::Foundation:
        if (id.index >= 0 && id.index < Foundations)
            return self.m_foundations[std::size_t(id.index)];
        break;
    case PileKind::Tableau:
        if (id.index >= 0 && id.index < Columns)
            return self.m_columns[std::size_t(id.index)];
        break;
    }
    throw std::out_of_range("Klondike: no pile " + id.describe().toStdString());
}

const std::vector<Card>& KlondikeTable::pile(PileId id) const {
    return pileOf(*this, id);
}

std::optional<KlondikeTable::Place> KlondikeTable::find(int number) const {
    for (PileId id : allPiles()) {
        const auto& cards = pile(id);
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (cards[i].number == number)
                return Place{id, int(i)};
    }
    return std::nullopt;
}

std::vector<PileId> KlondikeTable::allPiles() {
    std::vector<PileId> piles{PileId::stock(), PileId::waste()};
    for (int i = 0; i < Foundations; ++i)
        piles.push_back(PileId::foundation(i));
    for (int i = 0; i < Columns; ++i)
        piles.push_back(PileId::tableau(i));
    return piles;
}

std::vector<Card> KlondikeTable::draw() {
    if (m_stock.empty())
        throw std::logic_error("Klondike: draw from an empty stock");
    std::vector<Card> drawn;
    while (!m_stock.empty() && int(drawn.size()) < m_drawCount) {
        Card card = m_stock.back();
        m_stock.pop_back();
        card.faceUp = true;
        m_waste.push_back(card);
        drawn.push_back(card);
    }
    m_wasteFan = int(drawn.size());
    return drawn;
}

void KlondikeTable::redeal() {
    if (!m_stock.empty() || m_waste.empty())
        throw std::logic_error("Klondike: redeal needs an empty stock and a waste");
    for (auto it = m_waste.rbegin(); it != m_waste.rend(); ++it) {
        Card card = *it;
        card.faceUp = false;
        m_stock.push_back(card);
    }
    m_waste.clear();
    m_wasteFan = 0;
}

void KlondikeTable::turnUp(int column) {
    auto& cards = pileOf(*this, PileId::tableau(column));
    if (cards.empty() || cards.back().faceUp)
        throw std::logic_error("Klondike: column " + std::to_string(column + 1) +
                               " has no face-down top card to turn");
    cards.back().faceUp = true;
}

void KlondikeTable::move(PileId from, int index, PileId to) {
    if (from == to || to.kind == PileKind::Stock || to.kind == PileKind::Waste)
        throw std::logic_error("Klondike: cannot move from " + from.describe().toStdString() +
                               " to " + to.describe().toStdString());
    auto& source = pileOf(*this, from);
    auto& target = pileOf(*this, to);
    if (index < 0 || index >= int(source.size()))
        throw std::logic_error("Klondike: no card " + std::to_string(index) + " in " +
                               from.describe().toStdString());
    const auto first = source.begin() + index;
    if (!std::all_of(first, source.end(), [](const Card& card) { return card.faceUp; }))
        throw std::logic_error("Klondike: a face-down card cannot move");
    target.insert(target.end(), first, source.end());
    const int moved = int(source.end() - first);
    source.erase(first, source.end());
    if (from.kind == PileKind::Waste)
        m_wasteFan = std::max(0, m_wasteFan - moved);
}

} // namespace halvane::klondike
