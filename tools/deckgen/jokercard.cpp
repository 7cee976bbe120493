#include "tools/deckgen/jokercard.h"

#include "tools/deckgen/cardshape.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace halvane::deckgen {
namespace {

const QColor Gold(222, 172, 40);
const QColor DarkGold(146, 100, 18);

constexpr double Middle = CardShape::Width / 2.0;

// One point of the cap, from the band's edge at `base` curling out to the bell at `tip`.
QPainterPath capPoint(QPointF baseLeft, QPointF baseRight, QPointF tip, QPointF bend) {
    QPainterPath p;
    p.moveTo(baseLeft);
    p.quadTo(bend + QPointF(-3, 0), tip);
    p.quadTo(bend + QPointF(3, 3), baseRight);
    p.closeSubpath();
    return p;
}

} // namespace

JokerCard::JokerCard(const DeckFonts& fonts, const CornerIndex& index)
    : m_fonts(fonts), m_index(index) {}

QPainterPath JokerCard::star(QPointF centre, double outerRadius) {
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outerRadius : outerRadius * 0.42;
        const double a = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF q = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

void JokerCard::draw(QPainter& painter, QColor ink, QColor accent) const {
    // The corner sign: a star where the rank would be, and a small one beside it.
    QPainterPath sign = star(QPointF(CornerIndex::Left + 6, CornerIndex::Top + 6), 6.3);
    sign.addPath(star(QPointF(CornerIndex::Left + 17, CornerIndex::Top + 6.5), 4.2));
    m_index.drawSign(painter, sign, ink);

    painter.save();
    // The cap: three points over a band, the middle one in the accent colour.
    const QPointF band(Middle, 54);
    const QPainterPath left =
        capPoint(QPointF(21, 53), QPointF(33, 51), QPointF(12, 30), QPointF(20, 31));
    const QPainterPath right =
        capPoint(QPointF(38, 51), QPointF(50, 53), QPointF(59, 30), QPointF(54, 33));
    const QPainterPath middle =
        capPoint(QPointF(28, 52), QPointF(43, 52), QPointF(35.5, 20), QPointF(33, 33));
    painter.setPen(QPen(ink, 0.9));
    painter.setBrush(ink);
    painter.drawPath(left);
    painter.drawPath(right);
    painter.setBrush(accent);
    painter.drawPath(middle);
    painter.setPen(QPen(DarkGold, 0.8));
    painter.setBrush(Gold);
    painter.drawRoundedRect(QRectF(band.x() - 15, band.y() - 3, 30, 6), 2.5, 2.5);
    for (QPointF bell : {QPointF(12, 30), QPointF(59, 30), QPointF(35.5, 20)})
        painter.drawEllipse(bell, 2.8, 2.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (double x : {26.0, 31.0, 35.5, 40.0, 45.0})
        painter.drawEllipse(QPointF(x, band.y()), 1.0, 1.0);

    QPainterPath word = DeckFonts::lettering(m_fonts.sans(), "JOKER", 9);
    const QRectF box = word.boundingRect();
    word.translate(Middle - box.center().x(), 70 - box.center().y());
    painter.setBrush(ink);
    painter.drawPath(word);
    painter.restore();
}

} // namespace halvane::deckgen
