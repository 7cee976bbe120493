#include "freecellsolver.h"

#include "games/kit/moves.h"
#include "games/kit/rules.h"

#include <algorithm>
#include <string>
#include <unordered_set>

namespace halvane::freecell::test {

namespace {

kit::RuleSet judged() {
    return {
        [](const Table& t, PileId pile, int index) { return MoveJudge(t).canTake(pile, index); },
        [](const Table& t, const Card& card, int count, PileId pile) {
            return MoveJudge(t).canPlace(card, count, pile);
        }};
}

// The same position whatever cell or column a card lies in.
std::string positionKey(const Table& table) {
    std::vector<std::string> columns;
    std::string cells;
    std::string key;
    for (const kit::Pile& pile : table.piles()) {
        std::string cards;
        for (const Card& card : pile.cards) {
            cards += char(card.number);
        }
        switch (pile.id.role) {
        case Role::Tableau:
            columns.push_back(cards);
            break;
        case Role::Cell:
            cells += cards;
            break;
        default:
            key += char(pile.cards.size());
        }
    }
    std::sort(cells.begin(), cells.end());
    std::sort(columns.begin(), columns.end());
    key += '|' + cells;
    for (const std::string& column : columns) {
        key += '|' + column;
    }
    return key;
}

// Every move worth trying, the likeliest first: home, onto a card, into an empty column,
// into a cell. One empty cell and one empty column stand for all of them.
std::vector<Move> candidates(const Table& table) {
    const MoveJudge judge(table);
    std::vector<std::vector<Move>> ranked(4);
    const auto firstEmpty = [&](Role role) {
        for (PileId id : table.pilesOf(role)) {
            if (table.pile(id).empty()) {
                return std::optional<PileId>(id);
            }
        }
        return std::optional<PileId>();
    };
    const std::optional<PileId> emptyCell = firstEmpty(Role::Cell);
    const std::optional<PileId> emptyColumn = firstEmpty(Role::Tableau);
    for (const kit::Pile& from : table.piles()) {
        for (int index = 0; index < int(from.cards.size()); ++index) {
            if (!judge.canTake(from.id, index)) {
                continue;
            }
            for (const kit::Pile& to : table.piles()) {
                const Move move{from.id, index, to.id};
                if (!judge.isLegal(move)) {
                    continue;
                }
                if (to.id.role == Role::Foundation) {
                    ranked[0].push_back(move);
                } else if (to.id.role == Role::Tableau && !to.cards.empty()) {
                    // A run that lies on its builder gains nothing on another one.
                    if (index == 0 || from.id.role != Role::Tableau ||
                        !judge.canTake(from.id, index - 1)) {
                        ranked[1].push_back(move);
                    }
                } else if (to.id.role == Role::Tableau && to.id == emptyColumn &&
                           !(from.id.role == Role::Tableau && index == 0)) {
                    ranked[2].push_back(move);
                } else if (to.id.role == Role::Cell && to.id == emptyCell &&
                           from.id.role == Role::Tableau) {
                    ranked[3].push_back(move);
                }
            }
        }
    }
    std::vector<Move> moves;
    for (const auto& rank : ranked) {
        moves.insert(moves.end(), rank.begin(), rank.end());
    }
    return moves;
}

// How promising a position looks: cards home, free places, and few cards on the ones
// the foundations need next or off their builders.
int promise(const Table& table) {
    int score = 0;
    std::vector<int> next(5, 1); // the rank each suit's foundation needs next
    for (PileId id : table.pilesOf(Role::Foundation)) {
        const auto& cards = table.pile(id);
        score += 20 * int(cards.size());
        if (!cards.empty()) {
            next[std::size_t(cards.back().suit)] = cards.back().rank + 1;
        }
    }
    for (PileId id : table.pilesOf(Role::Cell)) {
        score += table.pile(id).empty() ? 4 : 0;
    }
    for (PileId id : table.pilesOf(Role::Tableau)) {
        const auto& cards = table.pile(id);
        score += cards.empty() ? 8 : 0;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            if (cards[i].rank == next[std::size_t(cards[i].suit)]) {
                score -= 3 * int(cards.size() - 1 - i); // cards covering a card wanted home
            }
            if (i > 0 && !kit::rules::alternateColoursDescending(cards[i - 1], cards[i])) {
                score -= 1;
            }
        }
    }
    return score;
}

// Deep enough for any deal the tests play, shallow enough for the stack.
constexpr std::size_t MaxSteps = 400;

struct Search {
    int limit;
    std::unordered_set<std::string> seen;
    std::vector<SolvedStep> path;

    bool from(const Table& table) {
        if (kit::allOnFoundations(table)) {
            return true;
        }
        if (path.size() >= MaxSteps || int(seen.size()) >= limit ||
            !seen.insert(positionKey(table)).second) {
            return false;
        }
        std::vector<std::pair<int, SolvedStep>> steps;
        for (const Move& move : candidates(table)) {
            Table after = afterMove(table, move);
            const int score = promise(after);
            steps.push_back({score, {move, std::move(after)}});
        }
        std::stable_sort(steps.begin(), steps.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& [score, step] : steps) {
            path.push_back(step);
            if (from(step.after)) {
                return true;
            }
            path.pop_back();
        }
        return false;
    }
};

} // namespace

Table afterMove(const Table& table, const Move& move) {
    Table after = table;
    after.move(move.from, move.index, move.to);
    ++after.counters.moves;
    while (const std::optional<Move> home = kit::safeFoundationMove(after, judged())) {
        after.move(home->from, home->index, home->to);
    }
    return after;
}

std::optional<std::vector<SolvedStep>> solve(const Table& table, int positionLimit) {
    Search search{positionLimit, {}, {}};
    if (!search.from(table)) {
        return std::nullopt;
    }
    return search.path;
}

} // namespace halvane::freecell::test
