#include "engine/singlecarddrag.h"

#include "engine/argcheck.h"
#include "engine/cellgeometry.h"
#include "engine/cellpainter.h"
#include "engine/module1.h"
#include "engine/returnstep.h"
#include "engine/tabledrawing.h"

#include "platform/com/rounding.h"
#include "platform/com/variant.h"
#include "platform/gdi/gdi.h"

#include <cmath>

namespace dorvik {

namespace {
constexpr int kCoveredHitRows = card::Strip; // a covered card shows this much, whatever the offset

QRect cardArea(const CardRecord& card) {
    return {card.X, card.Y, CellGeometry::kCardWidth, CellGeometry::kCardHeight};
}
} // namespace

SingleCardDrag::SingleCardDrag(Module1& state) : m_state(state) {}

std::int16_t SingleCardDrag::initDrag(float x, float y) {
    std::int16_t picked = 0;
    for (int n = 1; n <= kCardCount; ++n) {
        const CardRecord& card = m_state.card(n);
        const float left = card.X;
        const float top = card.Y;
        if (!(x > left && x < left + card::PitchX && y > top) || card.Disabled == com::True) {
            continue;
        }
        const bool inRows = card.IsBlocked == 0 ? y < top + card::PitchY : y < top + kCoveredHitRows;
        if (!inRows) {
            continue;
        }
        picked = std::int16_t(n);
        // Inside the card the offsets lie in 0..97, so they always fit.
        m_state.GrabOffsetX = std::int16_t(com::RoundHalfEven(x - left));
        m_state.GrabOffsetY = std::int16_t(com::RoundHalfEven(y - top));
    }
    m_state.DragCard = picked;
    if (picked >= 1) {
        m_state.DragFirstMove = true;
    }
    return picked;
}

void SingleCardDrag::doDrag(std::int32_t hdc, int n, int x, int y) {
    ArgCheck::card(n, "DoDrag");
    const std::int16_t newX = ArgCheck::to16(x - m_state.GrabOffsetX, "DoDrag", "card x");
    const std::int16_t newY = ArgCheck::to16(y - m_state.GrabOffsetY, "DoDrag", "card y");
    CellPainter painter(m_state);
    painter.checkCells(n, "DoDrag");
    if (m_state.DragFirstMove) {
        painter.lift(n, "DoDrag");
        m_state.DragFirstMove = false;
    }
    CardRecord& card = m_state.card(n);
    painter.restoreFromTableCopy(hdc, cardArea(card));
    card.X = newX;
    card.Y = newY;
    painter.drawCard(hdc, n, newX, newY, "DoDrag");
}

std::int16_t SingleCardDrag::endDrag(std::int32_t hdc, int x, int y) {
    const int n = m_state.DragCard;
    const std::int16_t target = dropTarget(x, y, n);
    if (n < 1 || n > kCardCount) {
        return target;
    }
    CellPainter painter(m_state);
    painter.checkCells(n, "EndDrag");
    // A click without a move has not lifted the card yet: lift it now, or the deal
    // below would save the card's own picture as its background.
    painter.lift(n, "EndDrag");
    const CardRecord& card = m_state.card(n);
    painter.restoreFromTableCopy(hdc, cardArea(card));
    TableDrawing(m_state).dealCard(hdc, n, card.X, card.Y, "EndDrag");
    return target;
}

std::int16_t SingleCardDrag::dropTarget(int x, int y, int skip) const {
    std::int16_t target = 0;
    for (int n = 1; n <= kCardCount; ++n) {
        const CardRecord& card = m_state.card(n);
        if (n == skip || card.IsBlocked != 0) {
            continue;
        }
        if (card::hits(x, y, card.X, card.Y)) {
            target = std::int16_t(n);
        }
    }
    return target;
}

void SingleCardDrag::returnDrag(std::int32_t hdc, int n, int x, int y) {
    ArgCheck::card(n, "ReturnDrag");
    CellPainter painter(m_state);
    painter.checkCells(n, "ReturnDrag");
    // After a drop the card was dealt where it lies and is in the table copy there; a
    // frame would repaint it from there, so take it out first.
    painter.lift(n, "ReturnDrag");
    CardRecord& card = m_state.card(n);
    while (card.X != x || card.Y != y) {
        painter.restoreFromTableCopy(hdc, cardArea(card));
        card.X = ReturnStep::next(card.X, x);
        card.Y = ReturnStep::next(card.Y, y);
        painter.drawCard(hdc, n, card.X, card.Y, "ReturnDrag");
        gdi::GdiFlush(hdc);
    }
    // Deal it home: the background there becomes its save-under cell, and the card goes
    // into the table copy and (when no frame was drawn, e.g. after RemoveCard) onto the
    // window.
    painter.saveUnder(n, m_state.TableCopyDC, x, y, "ReturnDrag");
    painter.drawCard(m_state.TableCopyDC, n, x, y, "ReturnDrag");
    painter.drawCard(hdc, n, x, y, "ReturnDrag");
    painter.markInTableCopy(n);
}

} // namespace dorvik
