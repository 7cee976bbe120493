#pragma once
// A small FreeCell solver for the window tests: a depth-first search over single legal
// moves (as the rules judge them) with a set of positions already seen, each move
// followed by the safe autoplay the game makes after every action. It knows nothing of
// how the rules decide; it only asks the judge.

#include "games/freecell/freecellrules.h"

#include <optional>
#include <vector>

namespace halvane::freecell::test {

struct SolvedStep {
    Move move;
    // The table once the move and the autoplay after it are made, as the game holds
    // it: counters.moves counts the steps so far.
    Table after;
};

// The table after `move` and the safe moves to the foundations that follow it.
Table afterMove(const Table& table, const Move& move);

// Steps from `table` to every card on the foundations, or none when no win turns up
// within `positionLimit` positions.
std::optional<std::vector<SolvedStep>> solve(const Table& table, int positionLimit);

} // namespace halvane::freecell::test
