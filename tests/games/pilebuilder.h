#pragma once
// Positions for the rules tests of games other than Klondike, laid out from readable card
// names (dealbuilder.h's cardOf), and the check that a layout keeps a table on the window.

#include "games/kit/layout.h"
#include "games/kit/table.h"

#include <QSize>

#include <string>
#include <utility>
#include <vector>

namespace halvane::test {

// Each named pile with its cards, bottom first; "-" before a name lays that card face down.
using Piles = std::vector<std::pair<kit::PileId, std::vector<std::string>>>;

// `table` with every pile emptied, then the named piles laid out; its options stay.
kit::Table laidOut(kit::Table table, const Piles& piles);

// Expects every pile of `table` to lie inside `area` and no two piles to overlap.
void expectFits(const kit::Layout& layout, const kit::Table& table, QSize area);

} // namespace halvane::test
