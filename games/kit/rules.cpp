#include "games/kit/rules.h"

#include <algorithm>
#include <array>

namespace halvane::kit::rules {

bool alternateColoursDescending(const Card& under, const Card& over) {
    return under.colour != over.colour && over.rank == under.rank - 1;
}

bool sameSuitAscending(const Card& under, const Card& over) {
    return under.suit == over.suit && over.rank == under.rank + 1;
}

bool sameSuitDescending(const Card& under, const Card& over) {
    return under.suit == over.suit && over.rank == under.rank - 1;
}

bool anySuitDescending(const Card& under, const Card& over) {
    return over.rank == under.rank - 1;
}

bool sameColourDescending(const Card& under, const Card& over) {
    return under.colour == over.colour && over.rank == under.rank - 1;
}

bool goesOnFoundation(const std::vector<Card>& foundation, const Card& card, int count) {
    if (count != 1) {
        return false;
    }
    return foundation.empty() ? card.rank == Ace : sameSuitAscending(foundation.back(), card);
}

bool isRun(const std::vector<Card>& cards, int index, Builds builds) {
    if (index < 0 || index >= int(cards.size())) {
        return false;
    }
    for (int i = index; i < int(cards.size()); ++i) {
        if (!cards[i].faceUp || (i > index && !builds(cards[i - 1], cards[i]))) {
            return false;
        }
    }
    return true;
}

int rankFrom(int base, const Card& card) {
    return (card.rank - base + 2 * King) % King + 1;
}

bool isSafeToFoundation(const Table& table, const Card& card, int base) {
    const int rank = rankFrom(base, card);
    if (rank <= 2) {
        return true;
    }
    // Highest rank home per suit; a suit with no foundation started counts 0.
    std::array<int, 5> home{};
    for (PileId id : table.pilesOf(Role::Foundation)) {
        const auto& cards = table.pile(id);
        if (!cards.empty() && cards.back().suit >= 1 && cards.back().suit <= 4) {
            home[cards.back().suit] =
                std::max(home[cards.back().suit], rankFrom(base, cards.back()));
        }
    }
    for (int suit = 1; suit <= 4; ++suit) {
        const int colour = (suit == 1 || suit == 4) ? 1 : 2;
        if (colour != card.colour && home[suit] < rank - 1) {
            return false;
        }
    }
    return true;
}

} // namespace halvane::kit::rules
