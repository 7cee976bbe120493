#pragma once
// The layout of a block: card i lies StackOffset x i pixels below the bottom card. With
// an offset of 0 to 96 each covered card shows its top `offset` rows; any other offset
// (negative, or a gap wider than a card) shows whole cards, drawn bottom first, which
// paints the same stack without ever reading outside a cell.

#include <QRect>

namespace dorvik {

class ColumnLayout {
public:
    // Throws dorvik::Error naming `method` when the column's height,
    // |(count - 1) x offset| + 96, leaves the 16-bit range.
    ColumnLayout(int count, int offset, const char* method);

    // Top edge of card i when the bottom card's top edge is at `y0`.
    long long cardY(int y0, int i) const { return y0 + static_cast<long long>(i) * m_offset; }

    // The area the whole column covers when the bottom card is at (x0, y0).
    QRect area(int x0, int y0) const;

    // Rows of card i that show: the top card's 96, a covered card's strip.
    int visibleRows(int i) const;

    // Checks that every card of a column with its bottom card at (x0, y0) has a 16-bit
    // position; throws naming `method` otherwise.
    void checkPlace(long long x0, long long y0, const char* method) const;

private:
    int m_count;
    int m_offset;
};

} // namespace dorvik
