#include "engine/deckbackground.h"

#include "engine/argcheck.h"
#include "engine/module1.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

namespace {
constexpr int kSeedX = 71; // the gap between the first two cells of the first row
constexpr int kSeedY = 1;
} // namespace

void DeckBackground::sheetLoaded() {
    m_state.SheetBackground = gdi::Area();
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
    if (!m_state.BackgroundColor || m_state.DeckDC == 0)
        return;
    const gdi::COLORREF color = *m_state.BackgroundColor;
    if (!m_state.SheetBackground.isEmpty()) {
        gdi::FillArea(m_state.DeckDC, m_state.SheetBackground, color);
        return;
    }
    // The first fill since the sheet was loaded finds the area as it fills it. The first
    // cell's top-left corner touches only the sheet's edges, never a gap, so the area of
    // the gaps cannot reach it and the first card would keep one black corner.
    m_state.SheetBackground = gdi::FloodArea(
        m_state.DeckDC, {QPoint(kSeedX, kSeedY), QPoint(0, 0)}, gdi::RGB(0, 0, 0), color);
}

} // namespace dorvik
