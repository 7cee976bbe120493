#pragma once
// A simple player for the whole-game test: it looks at a rules table and names its next
// action, preferring turning cards, then foundation moves, then column moves that
// uncover a face-down card, then the waste onto the columns, then the stock. It gives up
// when a whole round of the stock brings nothing.

#include "games/klondike/klondikerules.h"

#include <optional>

namespace halvane::klondike::test {

struct Action {
    enum class Kind { Stock, TurnUp, Move };
    Kind kind = Kind::Stock;
    Move move;      // for Move
    int column = 0; // for TurnUp
};

class GreedyPlayer {
public:
    // The table must outlive the player.
    explicit GreedyPlayer(const Table& table) : m_table(table) {}

    // The next action, or none when the player is stuck or the game is won.
    std::optional<Action> next();

    // Carries out `action` on `table` with the table's own mutators.
    static void apply(Table& table, const Action& action);
    struct Outcome {
        bool won = false;
        int blockMoves = 0; // moves of more than one card
        int redeals = 0;
    };
    // Plays `table` to the end, at most `limit` actions.
    static Outcome play(Table table, int limit = 2000);

private:
    std::optional<Action> foundationMove() const;
    std::optional<Action> uncoveringMove() const;
    std::optional<Action> wasteMove() const;

    const Table& m_table;
    int m_idleStockClicks = 0;
};

} // namespace halvane::klondike::test
