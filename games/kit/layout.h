#pragma once
// Where a game's piles and their cards lie in the table window, in pixels of its client
// area. Each pile has an origin (its bottom card's corner), a fan direction and the steps
// between face-down and face-up cards. A fan that would run past the table's edge closes
// up (face-up steps first, down to half a strip, then face-down steps) so that its top
// card stays on the table.

#include "games/kit/table.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace halvane::kit {

enum class Fan { None, Down, Right };

struct PileLook {
    QPoint origin;
    Fan fan = Fan::None;
    int faceDownStep = 5;
    int faceUpStep = 16;
    bool fansDrawnOnly = false; // a waste: only the last draw's cards spread
    short marker = 1;           // engine symbol on the empty place: 0 none, 1 outline
};

class Layout {
public:
    Layout() = default;
    // `edge`: the table's size; fans close up to stay inside it (empty: never).
    explicit Layout(QSize edge) : m_edge(edge) {}

    void place(PileId id, const PileLook& look);
    // Throws std::out_of_range for a pile not placed.
    const PileLook& look(PileId id) const;

    QPoint origin(PileId id) const { return look(id).origin; }
    // Top-left corner of card `index` of the pile; an index equal to the pile's size gives
    // where a card put on it will lie. Indexes are clamped to 0..size.
    QPoint cardPosition(const Table& table, PileId id, int index) const;
    // The face-up step the pile's fan uses now (what a dragged block must be spaced by).
    int faceUpStep(const Table& table, PileId id) const;
    // The rectangle the pile's cards cover, or its empty place.
    QRect area(const Table& table, PileId id) const;
    // The pile whose area holds `point`, if any; where areas overlap, the pile the
    // table draws last (it lies on top).
    std::optional<PileId> pileAt(const Table& table, QPoint point) const;

private:
    struct Steps {
        int down;
        int up;
    };
    Steps steps(const Table& table, PileId id) const;

    QSize m_edge;
    std::vector<std::pair<PileId, PileLook>> m_looks;
};

} // namespace halvane::kit
