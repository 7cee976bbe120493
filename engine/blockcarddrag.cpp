#include "engine/blockcarddrag.h"

#include "engine/cardlist.h"
#include "engine/cellgeometry.h"
#include "engine/cellpainter.h"
#include "engine/columnlayout.h"
#include "engine/module1.h"
#include "engine/returnstep.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

void BlockCardDrag::blockDrag(std::int32_t hdc, const com::Variant& list, int count, int x, int y) {
    if (count < 1) {
        return;
    }
    const CardList cards(list, count, "BlockDrag");
    const ColumnLayout column(count, m_state.StackOffset, "BlockDrag");
    const long long newX = static_cast<long long>(x) - m_state.GrabOffsetX;
    const long long newY = static_cast<long long>(y) - m_state.GrabOffsetY;
    column.checkPlace(newX, newY, "BlockDrag");
    checkCells(cards, "BlockDrag");

    CellPainter painter(m_state);
    if (m_state.DragFirstMove) {
        // Top card first: each card's saved background holds the cards beneath it, so
        // it must be laid down before theirs.
        for (int i = count - 1; i >= 0; --i) {
            painter.lift(cards[i], "BlockDrag");
        }
        m_state.DragFirstMove = false;
    }
    const CardRecord& bottom = m_state.card(cards[0]);
    painter.restoreFromTableCopy(hdc, column.area(bottom.X, bottom.Y));
    place(cards, column, int(newX), int(newY));
    drawColumn(hdc, cards, column, int(newX), int(newY), "BlockDrag");
}

std::int16_t BlockCardDrag::endBlockDrag(const com::Variant& list, int count, int x, int y) {
    if (count < 1) {
        return 0;
    }
    const CardList cards(list, count, "EndBlockDrag");
    const int bottom = cards[0];
    std::int16_t target = 0;
    for (int n = 1; n <= kCardCount; ++n) {
        const CardRecord& card = m_state.card(n);
        if (n == bottom || n == m_state.DragCard || card.Disabled == com::True ||
            card.IsBlocked == com::True) {
            continue;
        }
        if (card::hits(x, y, card.X, card.Y)) {
            target = std::int16_t(n);
        }
    }
    return target;
}

void BlockCardDrag::returnBlockDrag(std::int32_t hdc, const com::Variant& list, int count, int x,
                                    int y) {
    if (count < 1) {
        return;
    }
    const char* method = "ReturnBlockDrag";
    const CardList cards(list, count, method);
    const ColumnLayout column(count, m_state.StackOffset, method);
    const CardRecord& bottom = m_state.card(cards[0]);
    column.checkPlace(bottom.X, bottom.Y, method);
    column.checkPlace(x, y, method);
    checkCells(cards, method);

    CellPainter painter(m_state);
    // Cards dealt where the block was dropped are in the table copy there; the frames
    // repaint from the table copy, so they come out first, top card first.
    for (int i = count - 1; i >= 0; --i) {
        painter.lift(cards[i], method);
    }
    for (int i = 0; i < count; ++i) {
        const CardRecord& card = m_state.card(cards[i]);
        painter.restoreFromTableCopy(
            hdc, QRect(card.X, card.Y, CellGeometry::kCardWidth, CellGeometry::kCardHeight));
    }
    int atX = bottom.X;
    int atY = bottom.Y;
    place(cards, column, atX, atY);
    while (atX != x || atY != y) {
        painter.restoreFromTableCopy(hdc, column.area(atX, atY));
        atX = ReturnStep::next(atX, x);
        atY = ReturnStep::next(atY, y);
        place(cards, column, atX, atY);
        drawColumn(hdc, cards, column, atX, atY, method);
        gdi::GdiFlush(hdc);
    }
    for (int i = 0; i < count; ++i) {
        const int cardY = int(column.cardY(y, i));
        painter.saveUnder(cards[i], m_state.TableCopyDC, x, cardY, method);
        painter.drawCard(m_state.TableCopyDC, cards[i], x, cardY, method);
    }
    drawColumn(hdc, cards, column, x, y, method);
    for (int i = 0; i < count; ++i) {
        painter.markInTableCopy(cards[i]);
    }
}

void BlockCardDrag::place(const CardList& cards, const ColumnLayout& column, int x0, int y0) {
    for (int i = 0; i < cards.size(); ++i) {
        CardRecord& card = m_state.card(cards[i]);
        card.X = std::int16_t(x0);
        card.Y = std::int16_t(column.cardY(y0, i));
    }
}

void BlockCardDrag::drawColumn(std::int32_t hdc, const CardList& cards, const ColumnLayout& column,
                               int x0, int y0, const char* method) {
    CellPainter painter(m_state);
    for (int i = 0; i < cards.size(); ++i) {
        painter.drawCard(hdc, cards[i], x0, int(column.cardY(y0, i)), method,
                         column.visibleRows(i));
    }
}

void BlockCardDrag::checkCells(const CardList& cards, const char* method) const {
    const CellPainter painter(m_state);
    for (int i = 0; i < cards.size(); ++i) {
        painter.checkCells(cards[i], method);
    }
}

} // namespace dorvik
