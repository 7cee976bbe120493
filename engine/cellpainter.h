#pragma once
// The copies every drawing method is made of: a card cell from the deck sheet, a
// save-under cell to or from the table, a piece of the table copy back onto a window.
// Copies go through the drawing system, which clips them to both surfaces; a failed
// copy (no surfaces yet, a dead window context) draws nothing and is not an error.
// Nothing here allocates or touches a file.

#include <QRect>

#include <cstdint>

namespace dorvik {

struct Module1;

class CellPainter {
public:
    explicit CellPainter(Module1& state) : m_state(state) {}

    // Copies a 71-pixel-wide, `rows`-high block (96 for a whole cell) from (sx, sy) of
    // `src` to (x, y) of `dst`; true when the drawing system reports success.
    static bool blitCell(std::int32_t dst, int x, int y, std::int32_t src, int sx, int sy,
                         int rows = 96);

    // Draws the top `rows` rows of card `n`'s picture at (x, y) of `dst`: its face when
    // its Status is not 0, else the current card back. Throws (naming `method`) when the
    // picture's cell leaves the 16-bit range.
    void drawCard(std::int32_t dst, int n, int x, int y, const char* method, int rows = 96);

    // Works out card `n`'s picture and save-under cells, throwing (naming `method`) when
    // one leaves the 16-bit range: call before a drawing starts, so it never stops half
    // way.
    void checkCells(int n, const char* method) const;

    // Copies the 71 x 96 area at (x, y) of `src` into card `n`'s save-under cell.
    void saveUnder(int n, std::int32_t src, int x, int y, const char* method);

    // Copies card `n`'s save-under cell to (x, y) of `dst`.
    void restoreUnder(int n, std::int32_t dst, int x, int y, const char* method);

    // Takes card `n` out of the table copy when, and only when, the table copy shows it
    // at its recorded place: its save-under cell goes back there.
    void lift(int n, const char* method);

    // Records that the table copy now shows card `n` at its recorded X, Y.
    void markInTableCopy(int n);

    // Copies `area` of the table copy onto `hdc` at the same place.
    void restoreFromTableCopy(std::int32_t hdc, const QRect& area);

private:
    Module1& m_state;
};

} // namespace dorvik
