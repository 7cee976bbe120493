#include "engine/deckbackground.h"

#include "engine/argcheck.h"
#include "engine/module1.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

gdi::AreaProbe DeckBackground::areaProbe() {
    // The first cell's top-left corner touches only the sheet's edges, never a gap, so the
    // area of the gaps cannot reach it and the first card would keep one black corner.
    return {{QPoint(71, 1), QPoint(0, 0)}, gdi::RGB(0, 0, 0)};
}

void DeckBackground::sheetLoaded(gdi::Area background) {
    m_state.SheetBackground = std::move(background);
    fill();
}

void DeckBackground::setColor(std::int32_t color) {
    if (color < 0 || color > 0xFFFFFF) {
        ArgCheck::fail("SetBackground",
                       QStringLiteral("colour 0x%1 is not an RGB colour 0x00BBGGRR")
                           .arg(std::uint32_t(color), 8, 16, QLatin1Char('0')));
    }
    m_state.BackgroundColor = std::uint32_t(color);
    fill();
}

void DeckBackground::fill() {
    if (m_state.BackgroundColor && m_state.DeckDC != 0)
        gdi::FillArea(m_state.DeckDC, m_state.SheetBackground, *m_state.BackgroundColor);
}

} // namespace dorvik
