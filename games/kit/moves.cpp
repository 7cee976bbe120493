#include "games/kit/moves.h"

#include "games/kit/rules.h"

namespace halvane::kit {

namespace {

// Does the run from `index` up lie on a column card the rules would let it go onto?
// Moving it on gains nothing then, unless to a foundation.
bool liesOnItsBuilder(const Table& table, const RuleSet& rules, const Pile& pile, int index) {
    if (index == 0 || pile.id.role != Role::Tableau || !pile.cards[std::size_t(index) - 1].faceUp) {
        return false;
    }
    Table without = table;
    std::vector<Card>& cards = without.cards(pile.id);
    cards.erase(cards.begin() + index, cards.end());
    return rules.canPlace(without, pile.cards[std::size_t(index)], int(pile.cards.size()) - index,
                          pile.id);
}

} // namespace

bool isLegal(const Table& table, const RuleSet& rules, const Move& move) {
    if (move.from == move.to || !table.has(move.from) || !table.has(move.to) ||
        !rules.canTake(table, move.from, move.index)) {
        return false;
    }
    const auto& cards = table.pile(move.from);
    return rules.canPlace(table, cards[std::size_t(move.index)], int(cards.size()) - move.index,
                          move.to);
}

std::optional<Move> safeFoundationMove(const Table& table, const RuleSet& rules, int base) {
    for (const Pile& pile : table.piles()) {
        const Role role = pile.id.role;
        if (pile.cards.empty() || role == Role::Stock || role == Role::Foundation) {
            continue;
        }
        const int top = int(pile.cards.size()) - 1;
        if (!rules::isSafeToFoundation(table, pile.cards.back(), base)) {
            continue;
        }
        for (PileId foundation : table.pilesOf(Role::Foundation)) {
            const Move move{pile.id, top, foundation};
            if (isLegal(table, rules, move)) {
                return move;
            }
        }
    }
    return std::nullopt;
}

std::vector<Move> usefulMoves(const Table& table, const RuleSet& rules) {
    std::vector<Move> home;
    std::vector<Move> ontoCards;
    std::vector<Move> ontoPlaces;
    for (const Pile& pile : table.piles()) {
        if (pile.id.role == Role::Stock || pile.id.role == Role::Foundation) {
            continue;
        }
        for (int index = 0; index < int(pile.cards.size()); ++index) {
            const bool settled = liesOnItsBuilder(table, rules, pile, index);
            for (const Pile& target : table.piles()) {
                const Move move{pile.id, index, target.id};
                if (target.id.role == Role::Stock || target.id.role == Role::Waste ||
                    !isLegal(table, rules, move)) {
                    continue;
                }
                if (target.id.role == Role::Foundation) {
                    home.push_back(move);
                } else if (!settled && !target.cards.empty()) {
                    ontoCards.push_back(move);
                } else if (!settled && index > 0) {
                    ontoPlaces.push_back(move);
                }
            }
        }
    }
    home.insert(home.end(), ontoCards.begin(), ontoCards.end());
    home.insert(home.end(), ontoPlaces.begin(), ontoPlaces.end());
    return home;
}

std::optional<PileId> foundationFor(const Table& table, const RuleSet& rules, PileId from) {
    const auto& cards = table.pile(from);
    if (from.role == Role::Foundation || cards.empty()) {
        return std::nullopt;
    }
    for (PileId foundation : table.pilesOf(Role::Foundation)) {
        if (isLegal(table, rules, Move{from, int(cards.size()) - 1, foundation})) {
            return foundation;
        }
    }
    return std::nullopt;
}

bool allOnFoundations(const Table& table) {
    int home = 0;
    for (PileId id : table.pilesOf(Role::Foundation)) {
        home += int(table.pile(id).size());
    }
    return home > 0 && home == table.cardCount();
}

} // namespace halvane::kit
