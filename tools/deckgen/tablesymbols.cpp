#include "tools/deckgen/tablesymbols.h"

#include "tools/deckgen/cardshape.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <stdexcept>
#include <string>

namespace halvane::deckgen {
namespace {
constexpr double Cx = CardShape::Width / 2.0;
constexpr double Cy = CardShape::Height / 2.0;
} // namespace

void TableSymbols::draw(QPainter& painter, int number) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (number) {
    case 1:
        emptyPlace(painter);
        break;
    case 2:
        dealAgain(painter);
        break;
    case 3:
        noMore(painter);
        break;
    default:
        painter.restore();
        throw std::out_of_range("no table symbol " + std::to_string(number));
    }
    painter.restore();
}

void TableSymbols::emptyPlace(QPainter& painter) {
    // A dashed card outline: the gaps between dashes keep the inside joined to the outside.
    QPen pen(QColor(206, 224, 206), 2);
    pen.setDashPattern({3.0, 2.0});
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(3, 3, CardShape::Width - 7, CardShape::Height - 7), 6, 6);
}

void TableSymbols::dealAgain(QPainter& painter) {
    // Three quarters of a ring with an arrowhead: the open quarter lets the inside through.
    const QColor green(96, 226, 112);
    const double r = 18;
    QPen pen(green, 6);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF ring(Cx - r, Cy - r, 2 * r, 2 * r);
    // Qt counts angles anticlockwise from three o'clock, in sixteenths of a degree.
    painter.drawArc(ring, 100 * 16, 280 * 16);
    // The arrowhead at the arc's start (ten past twelve), pointing along the ring.
    const double a = qDegreesToRadians(100.0);
    const QPointF end(Cx + r * std::cos(a), Cy - r * std::sin(a));
    const QPointF along(-std::sin(a), -std::cos(a)); // direction of travel, clockwise
    const QPointF across(std::cos(a), -std::sin(a));
    QPainterPath head;
    head.moveTo(end + across * 8.0);
    head.lineTo(end - across * 8.0);
    head.lineTo(end - along * 10.0);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(green);
    painter.drawPath(head);
}

void TableSymbols::noMore(QPainter& painter) {
    QPen pen(QColor(232, 52, 52), 7);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(Cx - 17, Cy - 17), QPointF(Cx + 17, Cy + 17));
    painter.drawLine(QPointF(Cx + 17, Cy - 17), QPointF(Cx - 17, Cy + 17));
}

} // namespace halvane::deckgen
