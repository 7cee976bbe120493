#pragma once
// The corner index: the rank with a small suit sign right beside it in the top left
// corner, and the same turned half round in the bottom right corner. Games stack face-up
// cards 16 pixels apart, so the index keeps to the top 16 rows: a covered card still
// shows what it is.

#include "tools/deckgen/deckfonts.h"
#include "tools/deckgen/deckstyle.h"

#include <QPainterPath>
#include <QString>

class QPainter;

namespace halvane::deckgen {

class CornerIndex {
public:
    static constexpr int Rows = 16; // the index lies in rows 0 to 15 (and mirrored)
    static constexpr int Top = 2;   // first row of the rank glyph
    static constexpr int Left = 3;  // first column of the rank glyph

    // Keeps references: `fonts` and `style` must outlive the index.
    CornerIndex(const DeckFonts& fonts, const DeckStyle& style);

    // "A", "2" .. "10", "J", "Q", "K" for values 1 to 13.
    static QString rankText(int value);

    // Draws the index of the card (`suit`, `value` 1..13) in both corners; the painter's
    // origin is the card's top left pixel.
    void draw(QPainter& painter, Suit suit, int value) const;
    // Draws `sign` (any outline, placed in the index area from (0, 0)) in both corners,
    // for cards that carry no rank.
    void drawSign(QPainter& painter, const QPainterPath& sign, QColor ink) const;

    // The rank glyph's outline in its final place in the top left corner.
    QPainterPath rankOutline(int value) const;
    // The centre of the suit sign beside the rank, and its height.
    QPointF pipCentre(Suit suit) const;
    int pipHeight() const { return m_style.indexPipHeight; }

private:
    double columnWidth() const;

    const DeckFonts& m_fonts;
    const DeckStyle& m_style;
};

} // namespace halvane::deckgen
