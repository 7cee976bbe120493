#pragma once
// Dragging a block: a card and the cards lying on it, listed bottom first, moved as one
// column (see ColumnLayout). As with one card, the block is out of the table copy while
// it moves; each move repaints the column's old area from the table copy and draws the
// column at its new place on the window only.
//
// A block of fewer than one card does nothing. The card list is checked first (see
// CardList), and every position before anything is drawn: a bad list or a position
// outside 16 bits throws dorvik::Error and draws nothing.

#include "platform/com/variant.h"

#include <cstdint>

namespace dorvik {

struct Module1;
class CardList;
class ColumnLayout;

class BlockCardDrag {
public:
    explicit BlockCardDrag(Module1& state) : m_state(state) {}

    // Moves the block so that the bottom card's grab point is at the pointer (x, y). The
    // first move after InitDrag lifts the block's cards out of the table copy, top first.
    void blockDrag(std::int32_t hdc, const com::Variant& list, int count, int x, int y);

    // The card under (x, y) for a block drop: the last of 1 to 150 whose rectangle holds
    // the point, skipping the bottom card, DragCard, and every card whose Disabled or
    // IsBlocked is -1. 0 for none, and for a block of fewer than one card.
    std::int16_t endBlockDrag(const com::Variant& list, int count, int x, int y);

    // Slides the block home, the bottom card to (x, y), in the frames of a single-card
    // return, each ending with GdiFlush(hdc). The block keeps column layout. Afterwards
    // every card is dealt at its place, bottom first: in the table copy, each with what
    // lies under it (the table and the cards below) as its save-under cell.
    void returnBlockDrag(std::int32_t hdc, const com::Variant& list, int count, int x, int y);

private:
    void place(const CardList& cards, const ColumnLayout& column, int x0, int y0);
    void drawColumn(std::int32_t hdc, const CardList& cards, const ColumnLayout& column, int x0,
                    int y0, const char* method);
    void checkCells(const CardList& cards, const char* method) const;

    Module1& m_state;
};

} // namespace dorvik
