#pragma once
// The moves a table offers under a game's rules: whether a move is legal, the safe move
// to a foundation that autoplay makes, and the useful moves a hint shows.

#include "games/kit/rules.h"
#include "games/kit/table.h"

#include <functional>
#include <optional>
#include <vector>

namespace halvane::kit {

struct RuleSet {
    std::function<bool(const Table&, PileId, int)> canTake;
    std::function<bool(const Table&, const Card&, int, PileId)> canPlace;
};

// The cards from `move.index` up may leave `move.from` and land on `move.to`.
bool isLegal(const Table& table, const RuleSet& rules, const Move& move);

// A top card (of any pile but a stock or a foundation) that may go to a foundation and
// that no other card can still need (rules::isSafeToFoundation, foundations starting at
// `base`), if there is one.
std::optional<Move> safeFoundationMove(const Table& table, const RuleSet& rules,
                                       int base = kit::rules::Ace);

// Every legal move worth showing: moves to a foundation first, then moves onto a card,
// then moves to an empty place (a free cell, an empty column), leaving out a run that
// already lies on a column card it may go onto and a whole pile moved to an empty place,
// which gain nothing.
std::vector<Move> usefulMoves(const Table& table, const RuleSet& rules);

// The first foundation that takes the top card of `from` (not itself a foundation).
std::optional<PileId> foundationFor(const Table& table, const RuleSet& rules, PileId from);

// Every card of the table lies on a foundation.
bool allOnFoundations(const Table& table);

} // namespace halvane::kit
