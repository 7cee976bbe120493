#pragma once
// Dragging one card: pick it under the pointer, make it follow, put it down, or slide it
// to a place. While dragged the card is out of the table copy; each move repaints its
// old place from the table copy and draws it at the new place on the window only.
//
// Every lift asks whether the table copy shows the card at its place (see
// CellPainter::lift), so each calling order a game may use (a click with no move, a drop
// then a return, a remove then a return) leaves the window and the table copy exactly as
// dealing the cards afresh at their final places would.

#include <cstdint>

namespace dorvik {

struct Module1;

class SingleCardDrag {
public:
    explicit SingleCardDrag(Module1& state);

    // Picks the topmost (highest numbered) enabled card under the pointer; a covered
    // card only in its top 16 rows. Records the grab offsets and arms the lift. Returns
    // the card, or 0 (DragCard 0, DragFirstMove as it was).
    std::int16_t initDrag(float x, float y);

    // Moves card `n` so that its grab point is at the pointer (x, y). Throws for a card
    // number outside 1 to 150 or a position outside 16 bits, before drawing anything.
    void doDrag(std::int32_t hdc, int n, int x, int y);

    // Deals the picked card where it lies and returns the card under (x, y) that is
    // neither the picked card nor covered, or 0. With no card picked (DragCard 0) it
    // draws nothing and only reports the card under the point.
    std::int16_t endDrag(std::int32_t hdc, int x, int y);

    // Slides card `n` to (x, y): 20 pixels a frame on each axis while 20 or more remain
    // on it, then 1. Every frame ends with GdiFlush(hdc). Afterwards the card is dealt
    // there: in the table copy, with the background under it as its save-under cell.
    void returnDrag(std::int32_t hdc, int n, int x, int y);

    // Card under (x, y) for a drop: the last of 1 to 150 whose rectangle holds the point,
    // skipping `skip` and every card whose IsBlocked is not 0.
    std::int16_t dropTarget(int x, int y, int skip) const;

private:
    Module1& m_state;
};

} // namespace dorvik
