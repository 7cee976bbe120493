#pragma once
// The outline of a card inside its 71 x 96 cell: a rectangle filling the cell with
// rounded corners. A pixel belongs to the card when its centre lies inside the outline,
// so the card's edge is the same crisp staircase on every card, back and sheet, and the
// area outside it (which the engine recolours with the table colour) is exact.

#include <QColor>
#include <QImage>
#include <QPoint>

namespace halvane::deckgen {

class CardShape {
public:
    static constexpr int Width = 71;  // pixels
    static constexpr int Height = 96; // pixels
    static constexpr int CornerRadius = 5;

    // Whether pixel (x, y) of the cell (0,0 = top left) is part of the card.
    static bool contains(int x, int y);
    // Whether (x, y) is a card pixel on the card's edge: one of its four neighbours is
    // outside the card or outside the cell.
    static bool onEdge(int x, int y);

    // Paints the blank card into `sheet` at `origin`: `face` inside, `edge` on the edge;
    // pixels outside the card are left alone. At `scale` each pixel of the outline is a
    // scale x scale block and `origin` is in the sheet's own pixels.
    static void stamp(QImage& sheet, QPoint origin, QColor face, QColor edge, int scale = 1);

    // Makes the cell at `origin` ready for the engine after drawing: every pixel outside the
    // card pure black, the edge painted again with `edge` (so drawing that strayed over it
    // cannot break the outline), and any pure black left inside the card turned to
    // near-black, so that the background fill can never leak into a card.
    static void finish(QImage& sheet, QPoint origin, QColor edge, int scale = 1);
};

} // namespace halvane::deckgen
