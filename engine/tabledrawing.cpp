#include "engine/tabledrawing.h"

#include "engine/argcheck.h"
#include "engine/cellgeometry.h"
#include "engine/module1.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

void TableDrawing::drawCard(std::int32_t hdc, int n, int x, int y, bool invisible) {
    if (n < 1 || n > kCardCount) {
        if (!invisible) {
            takePendingSnapshot(hdc);
        }
        return;
    }
    drawCell(hdc, CellGeometry::face(m_state.card(n), "DrawCard"), x, y, invisible);
}

void TableDrawing::drawBack(std::int32_t hdc, int back, int x, int y, bool invisible) {
    drawCell(hdc, CellGeometry::back(back, "DrawBack"), x, y, invisible);
}

void TableDrawing::drawCell(std::int32_t hdc, QPoint cell, int x, int y, bool invisible) {
    if (!invisible) {
        takePendingSnapshot(hdc);
        CellPainter::blitCell(m_state.TableCopyDC, x, y, m_state.DeckDC, cell.x(), cell.y());
    }
    CellPainter::blitCell(hdc, x, y, m_state.DeckDC, cell.x(), cell.y());
}

void TableDrawing::dealCard(std::int32_t hdc, int n, int x, int y, const char* method) {
    ArgCheck::card(n, method);
    CardRecord& card = m_state.card(n);
    // Work out both cells before anything changes, so a bad one leaves no half deal.
    CellGeometry::saveUnder(n, card, method);
    const QPoint cell = card.Status != 0 ? CellGeometry::face(card, method)
                                         : CellGeometry::back(m_state.CardBack, method);
    card.X = std::int16_t(x);
    card.Y = std::int16_t(y);
    m_painter.saveUnder(n, hdc, x, y, method);
    drawCell(hdc, cell, x, y, false);
    m_painter.markInTableCopy(n);
}

void TableDrawing::removeCard(std::int32_t hdc, int n) {
    ArgCheck::card(n, "RemoveCard");
    const CardRecord& card = m_state.card(n);
    m_painter.restoreUnder(n, m_state.TableCopyDC, card.X, card.Y, "RemoveCard");
    m_painter.restoreUnder(n, hdc, card.X, card.Y, "RemoveCard");
    m_state.copyPlace(n).shown = false;
}

void TableDrawing::drawSymbol(std::int32_t hdc, int symbol, int x, int y) {
    if (symbol < 1 || symbol > 3) {
        return;
    }
    const QPoint cell = CellGeometry::symbol(symbol);
    CellPainter::blitCell(hdc, x, y, m_state.DeckDC, cell.x(), cell.y());
    CellPainter::blitCell(m_state.TableCopyDC, x, y, m_state.DeckDC, cell.x(), cell.y());
}

void TableDrawing::dealSymbol(std::int32_t hdc, int n, int symbol, int x, int y) {
    ArgCheck::card(n, "DealSymbol");
    m_state.card(n).X = std::int16_t(x);
    m_state.card(n).Y = std::int16_t(y);
    drawSymbol(hdc, symbol, x, y);
}

void TableDrawing::reDraw(std::int32_t hdc) {
    const QSize screen = CellGeometry::screenExtent();
    gdi::BitBlt(hdc, 0, 0, screen.width(), screen.height(), m_state.TableCopyDC, 0, 0,
                gdi::SRCCOPY);
}

void TableDrawing::takeScreenShot(std::int32_t hdc) {
    const QSize screen = CellGeometry::screenExtent();
    gdi::BitBlt(m_state.TableCopyDC, 0, 0, screen.width(), screen.height(), hdc, 0, 0,
                gdi::SRCCOPY);
}

void TableDrawing::takePendingSnapshot(std::int32_t hdc) {
    if (m_state.SnapshotPending) {
        takeScreenShot(hdc);
        m_state.SnapshotPending = false;
    }
}

} // namespace dorvik
