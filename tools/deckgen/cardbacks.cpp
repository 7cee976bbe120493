#include "tools/deckgen/cardbacks.h"

#include "tools/deckgen/cardshape.h"
#include "tools/deckgen/jokercard.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <stdexcept>
#include <string>

namespace halvane::deckgen {
namespace {

// The patterned panel inside the white margin.
const QRectF Panel(3, 3, CardShape::Width - 6, CardShape::Height - 6);
constexpr double Cx = CardShape::Width / 2.0;
constexpr double Cy = CardShape::Height / 2.0;

void fill(QPainter& painter, QColor colour) {
    painter.fillRect(Panel, colour);
}

} // namespace

void CardBacks::draw(QPainter& painter, int number) {
    if (number < 1 || number > Count)
        throw std::out_of_range("no card back " + std::to_string(number));
    painter.save();
    QPainterPath panel;
    panel.addRoundedRect(Panel, 3, 3);
    painter.setClipPath(panel, Qt::IntersectClip);
    using Pattern = void (*)(QPainter&);
    static constexpr Pattern patterns[Count] = {lattice,  rosettes, tartan,   diamonds,
                                                sunburst, weave,    nightSky, waves};
    patterns[number - 1](painter);
    painter.restore();
    // A fine light rule just inside the panel's edge frames every pattern alike.
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    painter.drawRoundedRect(Panel.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    painter.restore();
}

void CardBacks::lattice(QPainter& painter) {
    fill(painter, QColor(30, 66, 156));
    painter.setPen(QPen(QColor(132, 170, 236), 1.0));
    for (int d = -100; d < 170; d += 6) {
        painter.drawLine(QPointF(d, 0), QPointF(d + 96, 96));
        painter.drawLine(QPointF(d + 96, 0), QPointF(d, 96));
    }
    // A plain oval medallion in the middle.
    painter.setPen(QPen(QColor(236, 242, 255), 1.5));
    painter.setBrush(QColor(30, 66, 156));
    painter.drawEllipse(QPointF(Cx, Cy), 15, 21);
    painter.setBrush(QColor(236, 242, 255));
    painter.setPen(Qt::NoPen);
    QPainterPath lozenge;
    lozenge.moveTo(Cx, Cy - 12);
    lozenge.lineTo(Cx + 8, Cy);
    lozenge.lineTo(Cx, Cy + 12);
    lozenge.lineTo(Cx - 8, Cy);
    lozenge.closeSubpath();
    painter.drawPath(lozenge);
}

void CardBacks::rosettes(QPainter& painter) {
    fill(painter, QColor(168, 26, 38));
    painter.setPen(Qt::NoPen);
    int row = 0;
    for (double y = 4; y < 96; y += 9, ++row) {
        for (double x = (row % 2) ? 4.5 : 9.5; x < 72; x += 10) {
            painter.setBrush(QColor(250, 214, 214));
            for (int petal = 0; petal < 4; ++petal) {
                const double a = qDegreesToRadians(45.0 + 90.0 * petal);
                painter.drawEllipse(QPointF(x + 2.0 * std::cos(a), y + 2.0 * std::sin(a)), 1.6,
                                    1.6);
            }
            painter.setBrush(QColor(246, 196, 64));
            painter.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }
    }
}

void CardBacks::tartan(QPainter& painter) {
    fill(painter, QColor(22, 100, 58));
    const QColor dark(6, 52, 30, 150);
    for (int p = -4; p < 100; p += 16) {
        painter.fillRect(QRectF(p, 0, 7, 96), dark);
        painter.fillRect(QRectF(0, p, 71, 7), dark);
    }
    painter.setPen(QPen(QColor(236, 206, 70), 1.0));
    for (int p = 8; p < 100; p += 16) {
        painter.drawLine(QPointF(p + 0.5, 0), QPointF(p + 0.5, 96));
        painter.drawLine(QPointF(0, p + 0.5), QPointF(71, p + 0.5));
    }
    painter.setPen(QPen(QColor(176, 52, 44, 190), 1.0));
    for (int p = 0; p < 100; p += 16) {
        painter.drawLine(QPointF(p + 0.5, 0), QPointF(p + 0.5, 96));
        painter.drawLine(QPointF(0, p + 0.5), QPointF(71, p + 0.5));
    }
}

void CardBacks::diamonds(QPainter& painter) {
    fill(painter, QColor(92, 42, 134));
    painter.setBrush(Qt::NoBrush);
    for (int r = 3, i = 0; r < 90; r += 5, ++i) {
        painter.setPen(QPen(i % 2 ? QColor(196, 156, 236) : QColor(150, 100, 200), 1.6));
        QPainterPath ring;
        ring.moveTo(Cx, Cy - r * 1.3);
        ring.lineTo(Cx + r, Cy);
        ring.lineTo(Cx, Cy + r * 1.3);
        ring.lineTo(Cx - r, Cy);
        ring.closeSubpath();
        painter.drawPath(ring);
    }
}

void CardBacks::sunburst(QPainter& painter) {
    fill(painter, QColor(0, 116, 126));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 156, 166));
    constexpr int Rays = 24;
    for (int i = 0; i < Rays; i += 2) {
        const double a0 = 2 * M_PI * i / Rays, a1 = 2 * M_PI * (i + 1) / Rays;
        QPainterPath ray;
        ray.moveTo(Cx, Cy);
        ray.lineTo(Cx + 120 * std::cos(a0), Cy + 120 * std::sin(a0));
        ray.lineTo(Cx + 120 * std::cos(a1), Cy + 120 * std::sin(a1));
        ray.closeSubpath();
        painter.drawPath(ray);
    }
    painter.setPen(QPen(QColor(150, 100, 18), 1.0));
    painter.setBrush(QColor(238, 190, 60));
    painter.drawEllipse(QPointF(Cx, Cy), 11, 11);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 242, 190));
    painter.drawPath(JokerCard::star(QPointF(Cx, Cy + 0.5), 8));
}

void CardBacks::weave(QPainter& painter) {
    fill(painter, QColor(214, 128, 36));
    painter.setPen(QPen(QColor(150, 78, 12), 1.0));
    constexpr int Tile = 9;
    for (int ty = 0; ty * Tile < 96; ++ty) {
        for (int tx = 0; tx * Tile < 71; ++tx) {
            const double x = tx * Tile + 0.5, y = ty * Tile + 0.5;
            // Alternate tiles run across and along, like woven strips.
            for (int k = 1; k < Tile; k += 3) {
                if ((tx + ty) % 2 == 0)
                    painter.drawLine(QPointF(x, y + k), QPointF(x + Tile - 1, y + k));
                else
                    painter.drawLine(QPointF(x + k, y), QPointF(x + k, y + Tile - 1));
            }
        }
    }
}

void CardBacks::nightSky(QPainter& painter) {
    fill(painter, QColor(18, 30, 82));
    painter.setPen(Qt::NoPen);
    int row = 0;
    for (double y = 6; y < 96; y += 11, ++row) {
        for (double x = (row % 2) ? 6 : 13; x < 72; x += 14) {
            painter.setBrush(row % 3 == 0 ? QColor(255, 236, 150) : QColor(220, 228, 255));
            painter.drawPath(JokerCard::star(QPointF(x, y), row % 2 ? 2.6 : 2.0));
        }
    }
    // A crescent moon in the middle.
    painter.setBrush(QColor(18, 30, 82));
    painter.drawEllipse(QPointF(Cx, Cy), 15, 15);
    QPainterPath moon;
    moon.addEllipse(QPointF(Cx, Cy), 12, 12);
    QPainterPath bite;
    bite.addEllipse(QPointF(Cx + 5, Cy - 3), 10, 10);
    painter.setBrush(QColor(255, 230, 130));
    painter.drawPath(moon.subtracted(bite));
}

void CardBacks::waves(QPainter& painter) {
    fill(painter, QColor(122, 26, 50));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0, y = -2; y < 100; y += 6, ++i) {
        painter.setPen(QPen(i % 2 ? QColor(236, 178, 124) : QColor(196, 96, 110), 1.4));
        QPainterPath wave;
        wave.moveTo(0, y);
        for (double x = 0; x <= 72; x += 1)
            wave.lineTo(x, y + 2.2 * std::sin(x / 72.0 * 4 * M_PI));
        painter.drawPath(wave);
    }
}

} // namespace halvane::deckgen
