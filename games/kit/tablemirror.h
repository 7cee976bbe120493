#pragma once
// The one place that keeps the card engine in step with a game's table. After every
// change the table is drawn afresh from the model: the window filled with the table's
// colour (unless the host has just left it so), every engine card parked, the table copy
// taken, the empty-place markers and then every pile dealt bottom first; then each card's
// Status (its face), IsBlocked (another card lies on it: one of its own pile, or one of
// another pile that the game says covers it) and Disabled (the rules do not let the
// player take it, or it is covered) are set. Games never set these fields themselves.
// Drawing from the model makes the window a function of the table, so undo and redo
// bring back the exact pixels.
//
// The markers use the engine's spare slots, one per pile in the table's pile order,
// from FirstMarker. Engine failures (dorvik::Error) pass through.

#include "games/kit/layout.h"
#include "games/kit/table.h"
#include "games/kit/tablebackground.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace dorvik {
class _Class1;
}

namespace halvane::kit {

class TableMirror {
public:
    static constexpr std::int16_t FirstMarker = 114;
    static constexpr std::int16_t LastMarker = 150;

    struct Look {
        const Layout& layout;
        std::function<short(PileId)> marker;      // engine symbol of an empty place, 0 none
        std::function<bool(PileId, int)> canTake; // may the player pick this card up?
        // Does a card of another pile lie on this one (a pyramid's rows)? Empty: never.
        std::function<bool(PileId, int)> covered = {};
    };

    // `engine` must outlive the mirror.
    explicit TableMirror(dorvik::_Class1& engine) : m_engine(engine) {}

    // What the window shows before a redraw.
    enum class Window {
        Covered, // anything: it is filled with the table's colour first
        Bare,    // the table's colour alone, as the host leaves it for RefreshTable
    };

    // Draws `table` on `hdc` as described above. Throws std::length_error for a table of
    // more piles than spare slots.
    void redraw(std::int32_t hdc, const TableBackground& background, const Table& table,
                const Look& look, Window window = Window::Covered);
    // The pile whose marker is engine card `card`.
    static std::optional<PileId> markerPile(const Table& table, int card);
    // Takes every card out of the player's reach (a finished game).
    void disableAll();

    // Hints: shows the cards at the given places, or another back than the one in use at
    // `at`, for a moment on the window only, then restores the window from the table copy.
    void flashCards(std::int32_t hdc, const std::vector<std::pair<std::int16_t, QPoint>>& cards);
    void flashBack(std::int32_t hdc, QPoint at);

private:
    void holdAndRestore(std::int32_t hdc);

    dorvik::_Class1& m_engine;
};

} // namespace halvane::kit
