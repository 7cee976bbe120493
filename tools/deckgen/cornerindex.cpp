#include "tools/deckgen/cornerindex.h"

#include "tools/deckgen/cardshape.h"
#include "tools/deckgen/suitshape.h"

#include <QPainter>
#include <QTransform>

namespace halvane::deckgen {

CornerIndex::CornerIndex(const DeckFonts& fonts, const DeckStyle& style)
    : m_fonts(fonts), m_style(style) {}

QString CornerIndex::rankText(int value) {
    switch (value) {
    case 1:
        return "A";
    case 11:
        return "J";
    case 12:
        return "Q";
    case 13:
        return "K";
    default:
        return QString::number(value);
    }
}

double CornerIndex::columnWidth() const {
    return m_style.indexRankHeight * 1.2;
}

QPainterPath CornerIndex::rankOutline(int value) const {
    const double height = m_style.indexRankHeight;
    QPainterPath glyphs = DeckFonts::lettering(m_fonts.sans(), rankText(value), height);
    // The "J" of the typeface dips below the baseline; the index has no room for that, so
    // every rank is fitted into the same box, top and bottom.
    QRectF box = glyphs.boundingRect();
    const double column = columnWidth();
    const double sx = box.width() > column ? column / box.width() : 1.0;
    const double sy = height / box.height();
    const double x = Left + (column - box.width() * sx) / 2;
    QTransform place;
    place.translate(x, Top);
    place.scale(sx, sy);
    place.translate(-box.left(), -box.top());
    return place.map(glyphs);
}

QPointF CornerIndex::pipCentre(Suit suit) const {
    const double width = SuitShape::aspect(suit) * m_style.indexPipHeight;
    return {Left + columnWidth() + 1.5 + width / 2, Top + m_style.indexRankHeight / 2.0};
}

void CornerIndex::draw(QPainter& painter, Suit suit, int value) const {
    const QColor ink = m_style.ink(suit);
    const QPainterPath rank = rankOutline(value);
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        if (turn == 1) {
            painter.translate(CardShape::Width, CardShape::Height);
            painter.rotate(180);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(rank);
        SuitShape::draw(painter, suit, pipCentre(suit), m_style.indexPipHeight, ink);
        painter.restore();
    }
}

void CornerIndex::drawSign(QPainter& painter, const QPainterPath& sign, QColor ink) const {
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        if (turn == 1) {
            painter.translate(CardShape::Width, CardShape::Height);
            painter.rotate(180);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(sign);
        painter.restore();
    }
}

} // namespace halvane::deckgen
