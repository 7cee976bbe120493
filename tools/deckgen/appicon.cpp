#include "tools/deckgen/appicon.h"

#include "tools/deckgen/deckstyle.h"
#include "tools/deckgen/suitshape.h"

#include <QPainter>
#include <stdexcept>
#include <string>

namespace halvane::deckgen {
namespace {
// The icon is designed on a 256-unit square and scaled to the size asked for.
constexpr double Design = 256;
const QRectF Card(-60, -84, 120, 168);
} // namespace

AppIcon::AppIcon(const DeckFonts& fonts) : m_fonts(fonts) {}

QImage AppIcon::render(int size) const {
    if (size < MinSize || size > MaxSize)
        throw std::out_of_range("icon size " + std::to_string(size) + " outside " +
                                std::to_string(MinSize) + ".." + std::to_string(MaxSize));
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Design, size / Design);

    const struct {
        QPointF centre;
        double angle;
        bool spades;
    } cards[2] = {{{108, 134}, -15, false}, {{150, 132}, 11, true}};
    for (const auto& card : cards) {
        painter.save();
        painter.translate(card.centre);
        painter.rotate(card.angle);
        drawCard(painter, card.spades);
        painter.restore();
    }
    return icon;
}

void AppIcon::drawCard(QPainter& painter, bool spades) const {
    const Suit suit = spades ? Suit::Spades : Suit::Hearts;
    const QColor ink = spades ? CardBlack : CardRed;
    // A soft shadow, then the card.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(Card.translated(4, 5), 13, 13);
    painter.setPen(QPen(QColor(64, 64, 64), 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(Card, 12, 12);

    // The index as on the deck pictures: the rank with the suit sign beside it, in two
    // opposite corners.
    const QPainterPath rank = DeckFonts::lettering(m_fonts.sans(), "A", 32);
    const double rankRight = Card.left() + 10 + rank.boundingRect().width();
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        painter.rotate(180.0 * turn);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(rank.translated(Card.left() + 10, Card.top() + 42));
        SuitShape::draw(painter, suit, QPointF(rankRight + 15, Card.top() + 26), 26, ink);
        painter.restore();
    }
    SuitShape::draw(painter, suit, QPointF(0, 0), 70, ink);
}

} // namespace halvane::deckgen
