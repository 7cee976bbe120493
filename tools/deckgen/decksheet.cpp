#include "tools/deckgen/decksheet.h"

#include "tools/deckgen/cardbacks.h"
#include "tools/deckgen/cardshape.h"
#include "tools/deckgen/cornerindex.h"
#include "tools/deckgen/courtcard.h"
#include "tools/deckgen/jokercard.h"
#include "tools/deckgen/pipcard.h"
#include "tools/deckgen/tablesymbols.h"

#include <QPainter>
#include <functional>

namespace halvane::deckgen {
namespace {
const QColor CardWhite(255, 255, 255);
const QColor CardEdge(64, 64, 64);
const QColor JokerAccent(222, 172, 40);
} // namespace

QPoint DeckSheet::cellOrigin(int column, int row) {
    return {(column - 1) * PitchX, (row - 1) * PitchY};
}

bool DeckSheet::holdsCard(int column, int row) {
    return !(row == Rows && column >= FirstSymbolColumn && column <= LastSymbolColumn);
}

DeckSheet::DeckSheet(const DeckFonts& fonts, const DeckStyle& style)
    : m_fonts(fonts), m_style(style) {}

QImage DeckSheet::render(int scale) const {
    QImage sheet(Width * scale, Height * scale, QImage::Format_RGB32);
    sheet.fill(Qt::black);

    const CornerIndex index(m_fonts, m_style);
    const PipCard pips(index, m_style);
    const CourtCard courts(m_fonts, index, m_style);
    const JokerCard jokers(m_fonts, index);

    // Every cell is drawn with its own painter origin and a clip to the cell, so no
    // drawing can stray into the gaps or a neighbour.
    auto paintCell = [&](int column, int row, const std::function<void(QPainter&)>& draw) {
        const QPoint origin = cellOrigin(column, row) * scale;
        if (holdsCard(column, row))
            CardShape::stamp(sheet, origin, CardWhite, CardEdge, scale);
        {
            QPainter painter(&sheet);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(origin);
            painter.scale(scale, scale);
            painter.setClipRect(0, 0, CardShape::Width, CardShape::Height);
            draw(painter);
        }
        if (holdsCard(column, row))
            CardShape::finish(sheet, origin, CardEdge, scale);
    };

    for (int row = 1; row <= 4; ++row) {
        const auto suit = static_cast<Suit>(row);
        for (int value = 1; value <= 13; ++value) {
            paintCell(value, row, [&](QPainter& p) {
                if (value <= 10)
                    pips.draw(p, suit, value);
                else
                    courts.draw(p, suit, value);
            });
        }
    }
    // The jokers take the colours of the two colour classes: first black, then red.
    paintCell(1, 5, [&](QPainter& p) { jokers.draw(p, CardBlack, CardRed); });
    paintCell(2, 5, [&](QPainter& p) { jokers.draw(p, CardRed, JokerAccent); });
    for (int symbol = 1; symbol <= TableSymbols::Count; ++symbol)
        paintCell(symbol + 2, 5, [&](QPainter& p) { TableSymbols::draw(p, symbol); });
    for (int back = 1; back <= CardBacks::Count; ++back)
        paintCell(backColumn(back), 5, [&](QPainter& p) { CardBacks::draw(p, back); });
    return sheet;
}

} // namespace halvane::deckgen
