#include "tools/deckgen/pipcard.h"

#include "tools/deckgen/cardshape.h"
#include "tools/deckgen/suitshape.h"

#include <QPainter>
#include <QPainterPath>
#include <stdexcept>

namespace halvane::deckgen {
namespace {

// The pip field lies between the two indices: rows 17 to 78.
constexpr double Middle = CardShape::Width / 2.0; // 35.5
constexpr double Left = Middle - 14.5;
constexpr double Right = Middle + 14.5;
constexpr double CentreY = CardShape::Height / 2.0; // 48
constexpr double Top = CentreY - 24;
constexpr double Bottom = CentreY + 24;
// Four evenly spaced rows, used by the 9 and the 10.
constexpr double Upper = Top + 16;
constexpr double Lower = Bottom - 16;

void add(std::vector<PipCard::Pip>& pips, double x, double y) {
    pips.push_back({QPointF(x, y), y > CentreY});
}

} // namespace

PipCard::PipCard(const CornerIndex& index, const DeckStyle& style)
    : m_index(index), m_style(style) {}

std::vector<PipCard::Pip> PipCard::layout(int value) {
    if (value < 1 || value > 10)
        throw std::out_of_range("no pip layout for value " + std::to_string(value));
    std::vector<Pip> pips;
    if (value == 1) {
        add(pips, Middle, CentreY);
        return pips;
    }
    // The two side columns: none for 2 and 3, top and bottom for 4 and 5, three rows for
    // 6 to 8, four rows for 9 and 10.
    if (value >= 4 && value <= 5)
        for (double x : {Left, Right})
            for (double y : {Top, Bottom})
                add(pips, x, y);
    if (value >= 6 && value <= 8)
        for (double x : {Left, Right})
            for (double y : {Top, CentreY, Bottom})
                add(pips, x, y);
    if (value >= 9)
        for (double x : {Left, Right})
            for (double y : {Top, Upper, Lower, Bottom})
                add(pips, x, y);
    // The middle column.
    if (value == 2 || value == 3) {
        add(pips, Middle, Top);
        add(pips, Middle, Bottom);
    }
    if (value == 3 || value == 5 || value == 9)
        add(pips, Middle, CentreY);
    if (value == 7 || value == 8)
        add(pips, Middle, (Top + CentreY) / 2);
    if (value == 8)
        add(pips, Middle, (Bottom + CentreY) / 2);
    if (value == 10) {
        add(pips, Middle, (Top + Upper) / 2);
        add(pips, Middle, (Bottom + Lower) / 2);
    }
    return pips;
}

void PipCard::draw(QPainter& painter, Suit suit, int value) const {
    m_index.draw(painter, suit, value);
    const QColor ink = m_style.ink(suit);
    if (value == 1) {
        if (suit == Suit::Spades) {
            drawAceOfSpadesFrame(painter);
            SuitShape::draw(painter, suit, QPointF(Middle, CentreY), AceHeight + 4, ink);
        } else {
            SuitShape::draw(painter, suit, QPointF(Middle, CentreY), AceHeight, ink);
        }
        return;
    }
    for (const Pip& pip : layout(value))
        SuitShape::draw(painter, suit, pip.centre, PipHeight, ink, pip.upsideDown);
}

// The ace of spades is the card the deck chooser previews, so it gets a little more: an
// oval double rule around the pip with a small lozenge at each side. It stays clear of
// the top 16 rows, which must show only the index.
void PipCard::drawAceOfSpadesFrame(QPainter& painter) const {
    const QColor ink = m_style.ink(Suit::Spades);
    const QColor accent = m_style.ink(Suit::Hearts);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.0));
    painter.drawEllipse(QPointF(Middle, CentreY), 26.5, 30.5);
    painter.setPen(QPen(accent, 1.0));
    painter.drawEllipse(QPointF(Middle, CentreY), 24.0, 28.0);
    for (double x : {Middle - 26.5, Middle + 26.5})
        SuitShape::draw(painter, Suit::Diamonds, QPointF(x, CentreY), 8, accent);
    painter.restore();
}

} // namespace halvane::deckgen
