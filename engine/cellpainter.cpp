#include "engine/cellpainter.h"

#include "engine/cellgeometry.h"
#include "engine/module1.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

bool CellPainter::blitCell(std::int32_t dst, int x, int y, std::int32_t src, int sx, int sy,
                           int rows) {
    return gdi::BitBlt(dst, x, y, CellGeometry::kCardWidth, rows, src, sx, sy, gdi::SRCCOPY);
}

void CellPainter::drawCard(std::int32_t dst, int n, int x, int y, const char* method, int rows) {
    const CardRecord& card = m_state.card(n);
    const QPoint cell = card.Status != 0 ? CellGeometry::face(card, method)
                                         : CellGeometry::back(m_state.CardBack, method);
    blitCell(dst, x, y, m_state.DeckDC, cell.x(), cell.y(), rows);
}

void CellPainter::checkCells(int n, const char* method) const {
    const CardRecord& card = m_state.card(n);
    CellGeometry::saveUnder(n, card, method);
    if (card.Status != 0) {
        CellGeometry::face(card, method);
    } else {
        CellGeometry::back(m_state.CardBack, method);
    }
}

void CellPainter::saveUnder(int n, std::int32_t src, int x, int y, const char* method) {
    const QPoint cell = CellGeometry::saveUnder(n, m_state.card(n), method);
    blitCell(m_state.SaveUnderDC, cell.x(), cell.y(), src, x, y);
}

void CellPainter::restoreUnder(int n, std::int32_t dst, int x, int y, const char* method) {
    const QPoint cell = CellGeometry::saveUnder(n, m_state.card(n), method);
    blitCell(dst, x, y, m_state.SaveUnderDC, cell.x(), cell.y());
}

void CellPainter::lift(int n, const char* method) {
    TableCopyPlace& place = m_state.copyPlace(n);
    const CardRecord& card = m_state.card(n);
    if (place.shown && place.x == card.X && place.y == card.Y) {
        restoreUnder(n, m_state.TableCopyDC, card.X, card.Y, method);
        place.shown = false;
    }
}

void CellPainter::markInTableCopy(int n) {
    const CardRecord& card = m_state.card(n);
    m_state.copyPlace(n) = TableCopyPlace{true, card.X, card.Y};
}

void CellPainter::restoreFromTableCopy(std::int32_t hdc, const QRect& area) {
    gdi::BitBlt(hdc, area.x(), area.y(), area.width(), area.height(), m_state.TableCopyDC, area.x(),
                area.y(), gdi::SRCCOPY);
}

} // namespace dorvik
