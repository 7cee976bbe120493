#pragma once
// Jack, queen and king: a framed panel with the large letter in the middle and a motif of
// the rank above it and, turned round, below it (crossed swords, a coronet, a crown),
// flanked by two suit signs. No portraits: the letter and the motif tell the rank at a
// glance, the ink and the signs the suit.

#include "tools/deckgen/cornerindex.h"
#include "tools/deckgen/deckfonts.h"
#include "tools/deckgen/deckstyle.h"

#include <QRectF>

class QPainter;

namespace halvane::deckgen {

class CourtCard {
public:
    // The panel, in card pixels (between the two corner indices).
    static QRectF panel() { return {10.5, 17.5, 50, 61}; }

    // Keeps references: all three must outlive the card painter.
    CourtCard(const DeckFonts& fonts, const CornerIndex& index, const DeckStyle& style);

    // Draws the face of (`suit`, `value` 11..13) onto a blank card; the painter's origin is
    // the card's top left pixel. Throws std::out_of_range for other values.
    void draw(QPainter& painter, Suit suit, int value) const;

private:
    void drawPanel(QPainter& painter, QColor ink) const;
    // Each motif fills the box from (20.5, 20) to (50.5, 35), above the letter.
    static void drawSwords(QPainter& painter);
    static void drawCoronet(QPainter& painter, QColor ink);
    static void drawCrown(QPainter& painter, QColor ink);

    const DeckFonts& m_fonts;
    const CornerIndex& m_index;
    const DeckStyle& m_style;
};

} // namespace halvane::deckgen
