#include "tools/deckgen/courtcard.h"

#include "tools/deckgen/cardshape.h"
#include "tools/deckgen/suitshape.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtMath>
#include <stdexcept>

namespace halvane::deckgen {
namespace {

const QColor Gold(222, 172, 40);
const QColor DarkGold(146, 100, 18);
const QColor Cream(251, 243, 218);
const QColor Steel(206, 212, 222);
const QColor SteelEdge(84, 90, 106);
const QColor Grip(120, 62, 30);
const QColor Ruby(196, 20, 44);
const QColor Sapphire(28, 72, 184);

constexpr double Middle = CardShape::Width / 2.0;
constexpr double CentreY = CardShape::Height / 2.0;
constexpr double LetterHeight = 22;

QColor tint(QColor ink, double amount) {
    return QColor::fromRgbF(1 - (1 - ink.redF()) * amount, 1 - (1 - ink.greenF()) * amount,
                            1 - (1 - ink.blueF()) * amount);
}

// One sword lying along +x from its pommel at (0, 0) to its point at (length, 0).
void drawSword(QPainter& painter, double length) {
    QPainterPath blade;
    blade.moveTo(6.5, -1.6);
    blade.lineTo(length - 3.5, -1.6);
    blade.lineTo(length, 0);
    blade.lineTo(length - 3.5, 1.6);
    blade.lineTo(6.5, 1.6);
    blade.closeSubpath();
    painter.setPen(QPen(SteelEdge, 0.7));
    painter.setBrush(Steel);
    painter.drawPath(blade);
    painter.setPen(QPen(DarkGold, 0.6));
    painter.setBrush(Grip);
    painter.drawRect(QRectF(1.2, -1.1, 4.3, 2.2));
    painter.setBrush(Gold);
    painter.drawRoundedRect(QRectF(5.0, -4.8, 2.2, 9.6), 1.0, 1.0);
    painter.drawEllipse(QPointF(0.6, 0), 1.9, 1.9);
}

} // namespace

CourtCard::CourtCard(const DeckFonts& fonts, const CornerIndex& index, const DeckStyle& style)
    : m_fonts(fonts), m_index(index), m_style(style) {}

void CourtCard::draw(QPainter& painter, Suit suit, int value) const {
    if (value < 11 || value > 13)
        throw std::out_of_range("no court card for value " + std::to_string(value));
    const QColor ink = m_style.ink(suit);
    m_index.draw(painter, suit, value);
    drawPanel(painter, ink);

    // The motif above the letter and again, turned round, below it.
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        if (turn == 1) {
            painter.translate(CardShape::Width, CardShape::Height);
            painter.rotate(180);
        }
        if (value == 11)
            drawSwords(painter);
        else if (value == 12)
            drawCoronet(painter, ink);
        else
            drawCrown(painter, ink);
        painter.restore();
    }

    QPainterPath letter =
        DeckFonts::lettering(m_fonts.serif(), CornerIndex::rankText(value), LetterHeight);
    const QRectF box = letter.boundingRect();
    letter.translate(Middle - box.center().x(), CentreY - box.center().y());
    painter.setPen(QPen(Cream, 1.2));
    painter.setBrush(ink);
    painter.drawPath(letter);

    SuitShape::draw(painter, suit, QPointF(17.5, CentreY), 9, ink);
    SuitShape::draw(painter, suit, QPointF(53.5, CentreY), 9, ink, true);
}

void CourtCard::drawPanel(QPainter& painter, QColor ink) const {
    const QRectF outer = panel();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Cream);
    painter.drawRect(outer);
    // A band of the suit's tint behind the letter, so the suits differ at a glance.
    painter.setBrush(tint(ink, 0.16));
    painter.drawRect(QRectF(outer.left(), CentreY - 12, outer.width(), 24));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.0));
    painter.drawRect(outer);
    painter.setPen(QPen(Gold, 1.0));
    painter.drawRect(outer.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(tint(ink, 0.55), 1.0));
    painter.drawLine(QPointF(outer.left() + 2, CentreY - 12.5),
                     QPointF(outer.right() - 2, CentreY - 12.5));
    painter.drawLine(QPointF(outer.left() + 2, CentreY + 12.5),
                     QPointF(outer.right() - 2, CentreY + 12.5));
    painter.restore();
}

void CourtCard::drawSwords(QPainter& painter) {
    // Two swords crossed, points up, hilts at the bottom corners of the motif box.
    const QPointF hilts[2] = {QPointF(24.5, 33.5), QPointF(46.5, 33.5)};
    const QPointF points[2] = {QPointF(45.5, 20.5), QPointF(25.5, 20.5)};
    for (int i = 0; i < 2; ++i) {
        const QPointF run = points[i] - hilts[i];
        painter.save();
        painter.translate(hilts[i]);
        painter.rotate(qRadiansToDegrees(std::atan2(run.y(), run.x())));
        drawSword(painter, std::hypot(run.x(), run.y()));
        painter.restore();
    }
}

void CourtCard::drawCoronet(QPainter& painter, QColor ink) {
    painter.save();
    // A tiara: a scalloped gold crest rising to the middle, pearls on its three crests
    // and a drop-shaped stone in the suit's ink, over a pearled band.
    QPainterPath crest;
    crest.moveTo(23.5, 31.5);
    crest.quadTo(24.0, 27.5, 27.5, 26.5);
    crest.quadTo(30.0, 28.5, 31.5, 28.0);
    crest.quadTo(33.0, 23.0, 35.5, 22.5);
    crest.quadTo(38.0, 23.0, 39.5, 28.0);
    crest.quadTo(41.0, 28.5, 43.5, 26.5);
    crest.quadTo(47.0, 27.5, 47.5, 31.5);
    crest.closeSubpath();
    painter.setPen(QPen(DarkGold, 0.8));
    painter.setBrush(Gold);
    painter.drawPath(crest);
    painter.drawRoundedRect(QRectF(23.5, 31, 24, 4), 1, 1);

    QPainterPath drop;
    drop.moveTo(Middle, 24.8);
    drop.quadTo(Middle + 3.2, 28.5, Middle, 30.6);
    drop.quadTo(Middle - 3.2, 28.5, Middle, 24.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(drop);

    painter.setBrush(Qt::white);
    painter.setPen(QPen(SteelEdge, 0.5));
    for (QPointF pearl : {QPointF(27.5, 25.6), QPointF(Middle, 21.4), QPointF(43.5, 25.6)})
        painter.drawEllipse(pearl, 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    for (double x : {27.0, 31.0, 35.5, 40.0, 44.0})
        painter.drawEllipse(QPointF(x, 33), 0.9, 0.9);
    painter.restore();
}

void CourtCard::drawCrown(QPainter& painter, QColor ink) {
    painter.save();
    // Five spikes rising from the band, the middle one tallest, each tipped with a ball.
    const double tips[5][2] = {{22.5, 24}, {29, 25.5}, {35.5, 21.5}, {42, 25.5}, {48.5, 24}};
    QPainterPath spikes;
    spikes.moveTo(22.5, 31);
    for (int i = 0; i < 5; ++i) {
        spikes.lineTo(tips[i][0], tips[i][1]);
        if (i < 4)
            spikes.lineTo((tips[i][0] + tips[i + 1][0]) / 2, 29);
    }
    spikes.lineTo(48.5, 31);
    spikes.closeSubpath();
    painter.setPen(QPen(DarkGold, 0.8));
    painter.setBrush(Gold);
    painter.drawPath(spikes);
    for (const auto& tip : tips)
        painter.drawEllipse(QPointF(tip[0], tip[1] - 0.8), 1.5, 1.5);
    painter.drawRect(QRectF(22, 30.5, 27, 4.5));
    // Jewels on the band: the middle one in the suit's ink.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ruby);
    painter.drawEllipse(QPointF(27, 32.75), 1.4, 1.4);
    painter.drawEllipse(QPointF(44, 32.75), 1.4, 1.4);
    painter.setBrush(ink == CardRed ? Sapphire : ink);
    painter.drawEllipse(QPointF(Middle, 32.75), 1.8, 1.6);
    painter.restore();
}

} // namespace halvane::deckgen
