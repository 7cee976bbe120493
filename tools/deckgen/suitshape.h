#pragma once
// The four suit signs as outlines drawn from curves, so that a pip looks the same at any
// size and needs no font.

#include "tools/deckgen/deckstyle.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace halvane::deckgen {

class SuitShape {
public:
    // The sign of `suit` centred on (0, 0), exactly 1 unit high; its width is
    // aspect(suit) units.
    static QPainterPath outline(Suit suit);
    static double aspect(Suit suit);

    // Fills the sign of `suit`, `height` pixels high, centred on `centre`, turned upside
    // down when `upsideDown` (the lower half of a card faces the other player).
    static void draw(QPainter& painter, Suit suit, QPointF centre, double height, QColor ink,
                     bool upsideDown = false);
};

} // namespace halvane::deckgen
