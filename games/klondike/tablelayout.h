#pragma once
// Where the piles and their cards lie on the table window, in pixels of its client
// area. A top row of stock, waste, a gap and the four foundations, the seven columns
// below it, 100 pixels apart and the whole centred on the screen's width.
//
// In a column face-down cards lie 5 pixels apart and face-up cards 16 (the engine's
// block spacing), so only face-up cards ever form a dragged block. The waste fans the
// cards of the last draw 16 pixels apart to the right.

#include "games/klondike/klondiketable.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace halvane::klondike {

class TableLayout {
public:
    static constexpr int CardWidth = 71;
    static constexpr int CardHeight = 96;
    static constexpr int ColumnPitch = 100;
    static constexpr int FaceDownOffset = 5;
    static constexpr int FaceUpOffset = 16; // must equal the engine's StackOffset
    static constexpr int FanOffset = 16;
    static constexpr int TopMargin = 16;
    static constexpr int RowGap = 24;

    // A layout for a screen `screenWidth` pixels wide; narrower than the table the
    // piles start at the left edge.
    explicit TableLayout(int screenWidth);
    // The layout for the screen the drawing system reports (its twips / 15).
    static TableLayout forScreen();

    // Top-left corner of the pile's place, where its bottom card lies.
    QPoint origin(PileId pile) const;
    // Top-left corner of card `index` of `pile`; index equal to the pile's size gives
    // where a card put on the pile will lie. Throws std::out_of_range for a bad pile.
    QPoint cardPosition(const KlondikeTable& table, PileId pile, int index) const;
    // The rectangle the pile's cards cover, or its empty place.
    QRect area(const KlondikeTable& table, PileId pile) const;
    // The pile whose area contains `point`, if any.
    std::optional<PileId> pileAt(const KlondikeTable& table, QPoint point) const;

private:
    int m_left;
};

} // namespace halvane::klondike
