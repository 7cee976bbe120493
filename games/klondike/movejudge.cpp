#include "games/klondike/movejudge.h"

namespace halvane::klondike {

namespace {

constexpr int Ace = 1;
constexpr int King = 13;

bool isPile(PileId id) {
    switch (id.kind) {
    case PileKind::Stock:
    case PileKind::Waste:
        return id.index == 0;
    case PileKind::Foundation:
        return id.index >= 0 && id.index < KlondikeTable::Foundations;
    case PileKind::Tableau:
        return id.index >= 0 && id.index < KlondikeTable::Columns;
    }
    return false;
}

} // namespace

bool MoveJudge::canTake(PileId pile, int index) const {
    if (!m_table.isDealt() || !isPile(pile))
        return false;
    const auto& cards = m_table.pile(pile);
    if (index < 0 || index >= int(cards.size()) || !cards[index].faceUp)
        return false;
    switch (pile.kind) {
    case PileKind::Stock:
        return false;
    case PileKind::Waste:
    case PileKind::Foundation:
        return index == int(cards.size()) - 1;
    case PileKind::Tableau:
        return true; // every card above a face-up card in a column lies face up too
    }
    return false;
}

bool MoveJudge::canPlace(const Card& card, int count, PileId pile) const {
    if (!m_table.isDealt() || !isPile(pile) || count < 1 || !card.faceUp)
        return false;
    const auto& cards = m_table.pile(pile);
    switch (pile.kind) {
    case PileKind::Stock:
    case PileKind::Waste:
        return false;
    case PileKind::Foundation:
        if (count != 1)
            return false;
        if (cards.empty())
            return card.rank == Ace;
        return card.suit == cards.back().suit && card.rank == cards.back().rank + 1;
    case PileKind::Tableau:
        if (cards.empty())
            return card.rank == King;
        return cards.back().faceUp && card.colour != cards.back().colour &&
               card.rank == cards.back().rank - 1;
    }
    return false;
}

bool MoveJudge::isLegal(const Move& move) const {
    if (move.from == move.to || !canTake(move.from, move.index))
        return false;
    const auto& cards = m_table.pile(move.from);
    return canPlace(cards[move.index], int(cards.size()) - move.index, move.to);
}

std::optional<PileId> MoveJudge::foundationFor(PileId from) const {
    if (!m_table.isDealt() || !isPile(from) || from.kind == PileKind::Foundation)
        return std::nullopt;
    const auto& cards = m_table.pile(from);
    if (cards.empty() || !canTake(from, int(cards.size()) - 1))
        return std::nullopt;
    // Only one foundation can take a card that continues a suit; an ace goes to the
    // first empty one.
    for (int i = 0; i < KlondikeTable::Foundations; ++i)
        if (canPlace(cards.back(), 1, PileId::foundation(i)))
            return PileId::foundation(i);
    return std::nullopt;
}

bool MoveJudge::canDraw() const {
    return m_table.isDealt() && !m_table.pile(PileId::stock()).empty();
}

bool MoveJudge::canRedeal() const {
    return m_table.isDealt() && m_table.pile(PileId::stock()).empty() &&
           !m_table.pile(PileId::waste()).empty();
}

bool MoveJudge::canTurnUp(int column) const {
    if (!m_table.isDealt() || column < 0 || column >= KlondikeTable::Columns)
        return false;
    const auto& cards = m_table.pile(PileId::tableau(column));
    return !cards.empty() && !cards.back().faceUp;
}

} // namespace halvane::klondike
