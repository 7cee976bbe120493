#pragma once
// Cards, backs and symbols on the table: each draw is a cell copy onto the window and,
// when visible, into the table copy, so that the table copy always shows the table as
// the window should. Dealing also saves what the card covers into its save-under cell,
// and removing puts that back.

#include "engine/cellpainter.h"

#include <cstdint>

namespace dorvik {

struct Module1;

class TableDrawing {
public:
    explicit TableDrawing(Module1& state) : m_state(state), m_painter(state) {}

    // The face of card `n` (1 to 150; other numbers draw nothing) at (x, y) of `hdc`, and
    // into the table copy unless `invisible`. Only a visible draw takes the pending
    // snapshot: an invisible one is a preview on some other window, whose picture must
    // never become the table.
    void drawCard(std::int32_t hdc, int n, int x, int y, bool invisible);

    // Back design `back` at (x, y), as drawCard. Throws when the back's cell leaves the
    // 16-bit range.
    void drawBack(std::int32_t hdc, int back, int x, int y, bool invisible);

    // Places card `n` at (x, y): records the place, saves the window under it and draws
    // it face up or face down, visibly. Throws (naming `method`) for a card number
    // outside 1 to 150 or a cell outside the 16-bit range; nothing changes then.
    void dealCard(std::int32_t hdc, int n, int x, int y, const char* method);

    // Puts card `n`'s saved background back at its recorded place, in the table copy and
    // on `hdc`. Its record is not changed.
    void removeCard(std::int32_t hdc, int n);

    // Symbol 1 to 3 at (x, y) on `hdc` and in the table copy; other numbers draw nothing.
    void drawSymbol(std::int32_t hdc, int symbol, int x, int y);

    // Moves card `n`'s record to (x, y) and draws symbol `symbol` there.
    void dealSymbol(std::int32_t hdc, int n, int symbol, int x, int y);

    // The whole table (the screen's extent) from the table copy onto `hdc`, and back.
    void reDraw(std::int32_t hdc);
    void takeScreenShot(std::int32_t hdc);

private:
    void takePendingSnapshot(std::int32_t hdc);
    void drawCell(std::int32_t hdc, QPoint cell, int x, int y, bool invisible);

    Module1& m_state;
    CellPainter m_painter;
};

} // namespace dorvik
