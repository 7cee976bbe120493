#pragma once
// The table's own colour, for the one time the game must clear the window itself: a
// click that deals a game on a table still covered with an earlier one (after a win, or
// after another game ran). The host clears the window before a Deal command but not
// before a mouse press, and it does not tell the game its colour, so the colour is read
// off the window while it is known to be bare.

#include "platform/gdi/gdi.h"

#include <cstdint>

namespace halvane::kit {

class TableBackground {
public:
    // Reads the colour of window context `hdc`, which shows nothing but the table now
    // (right after the host cleared it). Keeps the previous colour when the context
    // has no readable pixel.
    void remember(std::int32_t hdc);
    bool isKnown() const { return m_known; }
    gdi::COLORREF colour() const { return m_colour; }

    // Fills the whole surface of `hdc` with the colour. Does nothing for a context
    // without a surface.
    void clear(std::int32_t hdc) const;

private:
    gdi::COLORREF m_colour = gdi::RGB(255, 255, 255); // the host's starting colour
    bool m_known = false;
};

} // namespace halvane::kit
