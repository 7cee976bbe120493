#include "games/kit/tablebackground.h"

#include <QSize>

namespace halvane::kit {

namespace {

// A strip of the colour is filled once and copied down the window.
constexpr int StripHeight = 32;

} // namespace

void TableBackground::remember(std::int32_t hdc) {
    const gdi::COLORREF pixel = gdi::GetPixel(hdc, 0, 0);
    if (pixel == gdi::CLR_INVALID)
        return;
    m_colour = pixel & 0x00FFFFFF;
    m_known = true;
}

void TableBackground::clear(std::int32_t hdc) const {
    const QSize size = gdi::GetSurfaceSize(hdc);
    if (size.isEmpty())
        return;
    const gdi::HDC strip = gdi::CreateCompatibleDC(hdc);
    if (strip == 0)
        return;
    const gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap(hdc, size.width(), StripHeight);
    if (bitmap != 0) {
        const gdi::HGDIOBJ old = gdi::SelectObject(strip, bitmap);
        if (old != 0) {
            // A new bitmap is black all over, so one fill of the black area covers it.
            gdi::SetDCBrushColor(strip, m_colour);
            gdi::ExtFloodFill(strip, 0, 0, gdi::RGB(0, 0, 0), gdi::FLOODFILLSURFACE);
            for (int y = 0; y < size.height(); y += StripHeight)
                gdi::BitBlt(hdc, 0, y, size.width(), StripHeight, strip, 0, 0, gdi::SRCCOPY);
            gdi::SelectObject(strip, old);
        }
        gdi::DeleteObject(bitmap);
    }
    gdi::DeleteDC(strip);
}

} // namespace halvane::kit
