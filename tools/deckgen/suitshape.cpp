#include "tools/deckgen/suitshape.h"

#include <QPainter>
#include <QTransform>

namespace halvane::deckgen {
namespace {

// Each sign is drawn in a box from -0.5 to 0.5 high; the width varies by suit.

// The union of the overlapping parts of a sign as one outline. Uniting flattens curves
// at a fixed tolerance, so it is done at a hundred times the size and scaled back: the
// curves stay smooth even on the largest pip.
QPainterPath united(const QPainterPath& parts) {
    QPainterPath large = QTransform::fromScale(100, 100).map(parts);
    large.setFillRule(Qt::WindingFill);
    return QTransform::fromScale(0.01, 0.01).map(large.simplified());
}

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.14, 0.30, -0.47, 0.10, -0.47, -0.20);
    p.cubicTo(-0.47, -0.40, -0.35, -0.50, -0.23, -0.50);
    p.cubicTo(-0.10, -0.50, -0.02, -0.42, 0, -0.30);
    p.cubicTo(0.02, -0.42, 0.10, -0.50, 0.23, -0.50);
    p.cubicTo(0.35, -0.50, 0.47, -0.40, 0.47, -0.20);
    p.cubicTo(0.47, 0.10, 0.14, 0.30, 0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.14, -0.20, 0.39, 0);
    p.quadTo(0.14, 0.20, 0, 0.5);
    p.quadTo(-0.14, 0.20, -0.39, 0);
    p.quadTo(-0.14, -0.20, 0, -0.5);
    p.closeSubpath();
    return p;
}

// The stem both black suits stand on: narrow under the body, flaring to a foot.
QPainterPath stem(double top) {
    QPainterPath p;
    p.moveTo(-0.05, top);
    p.lineTo(0.05, top);
    p.cubicTo(0.06, 0.38, 0.13, 0.46, 0.23, 0.5);
    p.lineTo(-0.23, 0.5);
    p.cubicTo(-0.13, 0.46, -0.06, 0.38, -0.05, top);
    p.closeSubpath();
    return p;
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.08, -0.36, 0.46, -0.16, 0.46, 0.10);
    p.cubicTo(0.46, 0.27, 0.34, 0.36, 0.22, 0.36);
    p.cubicTo(0.11, 0.36, 0.04, 0.30, 0, 0.22);
    p.cubicTo(-0.04, 0.30, -0.11, 0.36, -0.22, 0.36);
    p.cubicTo(-0.34, 0.36, -0.46, 0.27, -0.46, 0.10);
    p.cubicTo(-0.46, -0.16, -0.08, -0.36, 0, -0.5);
    p.closeSubpath();
    p.addPath(stem(0.20));
    return united(p);
}

QPainterPath club() {
    const double r = 0.215;
    QPainterPath p;
    p.addEllipse(QPointF(0, -0.285), r, r);
    p.addEllipse(QPointF(-0.25, 0.08), r, r);
    p.addEllipse(QPointF(0.25, 0.08), r, r);
    // Fills the hollow between the three leaves so the sign reads as one shape.
    p.addEllipse(QPointF(0, 0.0), 0.13, 0.13);
    p.addPath(stem(0.05));
    return united(p);
}

} // namespace

QPainterPath SuitShape::outline(Suit suit) {
    switch (suit) {
    case Suit::Clubs:
        return club();
    case Suit::Diamonds:
        return diamond();
    case Suit::Hearts:
        return heart();
    case Suit::Spades:
        return spade();
    }
    return {};
}

double SuitShape::aspect(Suit suit) {
    switch (suit) {
    case Suit::Clubs:
        return 0.93;
    case Suit::Diamonds:
        return 0.78;
    case Suit::Hearts:
        return 0.94;
    case Suit::Spades:
        return 0.92;
    }
    return 1.0;
}

void SuitShape::draw(QPainter& painter, Suit suit, QPointF centre, double height, QColor ink,
                     bool upsideDown) {
    painter.save();
    painter.translate(centre);
    if (upsideDown)
        painter.rotate(180);
    painter.scale(height, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(outline(suit));
    painter.restore();
}

} // namespace halvane::deckgen
