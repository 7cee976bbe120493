#include "engine/deckbackground.h"

#include "engine/argcheck.h"
#include "engine/module1.h"
#include "engine/surfaces.h"

#include "platform/gdi/gdi.h"

namespace dorvik {

namespace {
constexpr int kSeedX = 71; // the gap between the first two cells of the first row
constexpr int kSeedY = 1;
constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
} // namespace

void DeckBackground::sheetLoaded() {
    m_state.PristineSheet = gdi::SurfaceImage(m_state.DeckDC);
    m_state.SheetFilled = false;
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
    if (!m_state.BackgroundColor || m_state.DeckDC == 0 || m_state.PristineSheet.isNull()) {
        return;
    }
    if (m_state.SheetFilled) {
        // The region is no longer black: start again from the sheet as loaded, so the
        // fill finds exactly the same region and cannot run into a face that happens
        // to have the previous colour.
        const gdi::HBITMAP pristine =
            gdi::CreateBitmapFromImage(m_state.PristineSheet, gdi::GetSurfaceScale(m_state.DeckDC));
        if (pristine == 0 || !Surfaces(m_state).replaceBitmap(m_state.DeckDC, pristine)) {
            return;
        }
        m_state.SheetFilled = false;
    }
    const gdi::COLORREF color = *m_state.BackgroundColor;
    if (color == kBlack) {
        return; // the sheet as loaded already shows it
    }
    gdi::SetDCBrushColor(m_state.DeckDC, color);
    m_state.SheetFilled =
        gdi::ExtFloodFill(m_state.DeckDC, kSeedX, kSeedY, kBlack, gdi::FLOODFILLSURFACE);
    // The first cell's top-left corner touches only the sheet's edges, never a gap, so
    // the fill above cannot reach it and the first card would keep one black corner.
    if (gdi::GetPixel(m_state.DeckDC, 0, 0) == kBlack) {
        m_state.SheetFilled |=
            gdi::ExtFloodFill(m_state.DeckDC, 0, 0, kBlack, gdi::FLOODFILLSURFACE);
    }
}

} // namespace dorvik
