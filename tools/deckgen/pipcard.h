#pragma once
// The number cards and the aces: pips in the usual arrangements between the two corner
// indices, the ones in the lower half turned to face the other way.

#include "tools/deckgen/cornerindex.h"
#include "tools/deckgen/deckstyle.h"

#include <QPointF>
#include <vector>

class QPainter;

namespace halvane::deckgen {

class PipCard {
public:
    struct Pip {
        QPointF centre; // in card pixels
        bool upsideDown;
    };

    static constexpr double PipHeight = 13; // pixels
    static constexpr double AceHeight = 40; // pixels; the ace of spades is larger still

    // Keeps references: `index` and `style` must outlive the card painter.
    PipCard(const CornerIndex& index, const DeckStyle& style);

    // Where the pips of a card of `value` (2 to 10) go; one large pip for an ace (1).
    // Throws std::out_of_range for other values.
    static std::vector<Pip> layout(int value);

    // Draws the face of (`suit`, `value` 1..10) onto a blank card; the painter's origin is
    // the card's top left pixel.
    void draw(QPainter& painter, Suit suit, int value) const;

private:
    void drawAceOfSpadesFrame(QPainter& painter) const;

    const CornerIndex& m_index;
    const DeckStyle& m_style;
};

} // namespace halvane::deckgen
