#pragma once
// The two further cards of the fifth row: jokers, one in each colour. A star stands in
// the corners where other cards have their index; the middle shows a jester's cap over
// the word "JOKER".

#include "tools/deckgen/cornerindex.h"
#include "tools/deckgen/deckfonts.h"

#include <QColor>

class QPainter;

namespace halvane::deckgen {

class JokerCard {
public:
    // Keeps references: `fonts` and `index` must outlive the card painter.
    JokerCard(const DeckFonts& fonts, const CornerIndex& index);

    // Draws a joker in `ink` with `accent` for the cap's middle point onto a blank card;
    // the painter's origin is the card's top left pixel.
    void draw(QPainter& painter, QColor ink, QColor accent) const;

    // A five-pointed star of `outerRadius` pixels around `centre`.
    static QPainterPath star(QPointF centre, double outerRadius);

private:
    const DeckFonts& m_fonts;
    const CornerIndex& m_index;
};

} // namespace halvane::deckgen
