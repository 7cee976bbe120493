#include "games/kit/tablebackground.h"

#include <QSize>

#include <algorithm>

namespace halvane::kit {

void TableBackground::remember(std::int32_t hdc) {
    const gdi::COLORREF pixel = gdi::GetPixel(hdc, 0, 0);
    if (pixel == gdi::CLR_INVALID)
        return;
    m_colour = pixel & 0x00FFFFFF;
    m_known = true;
}

void TableBackground::clear(std::int32_t hdc) const {
    const QSize size = gdi::GetSurfaceSize(hdc);
    if (size.isEmpty() || gdi::SetPixel(hdc, 0, 0, m_colour) == gdi::CLR_INVALID)
        return;
    // One pixel of the colour, doubled along the first row and then down the window: each
    // copy reads only what is painted already, so a few dozen row copies cover a screen
    // that a fill would walk pixel by pixel.
    for (int done = 1; done < size.width(); done *= 2)
        gdi::BitBlt(hdc, done, 0, std::min(done, size.width() - done), 1, hdc, 0, 0, gdi::SRCCOPY);
    for (int done = 1; done < size.height(); done *= 2)
        gdi::BitBlt(hdc, 0, done, size.width(), std::min(done, size.height() - done), hdc, 0, 0,
                    gdi::SRCCOPY);
}

} // namespace halvane::kit
