#pragma once
// The table colour in the deck sheet. Cells are copied whole, so the sheet's black
// background around the card pictures (the gaps of the grid and every black area joined
// to them, reached from the point (71, 1), plus the sheet's top-left corner, which
// touches no gap) lands on the table; filling it with the table colour makes card
// corners match the table. The region is always the one of the sheet
// as loaded: a later colour refills that same region, never more, whatever colours the
// faces hold.

#include "platform/gdi/gdi.h"

#include <cstdint>

namespace dorvik {

struct Module1;

class DeckBackground {
public:
    explicit DeckBackground(Module1& state) : m_state(state) {}

    // The sheet's background, which every table colour fills, as the loader finds it on a
    // sheet as loaded: the black joined to the gap between the first two cells of the
    // first row and to the first cell's top-left corner.
    static gdi::AreaProbe areaProbe();

    // Call right after a sheet was loaded into the deck surface, with the area of
    // areaProbe() the loader found on it: keeps the area and fills it with the last
    // colour given to setColor, if any.
    void sheetLoaded(gdi::Area background);

    // Records `color` (0x00BBGGRR) and fills the loaded sheet's background with it.
    // Throws dorvik::Error when `color` has bits above the 24 colour bits.
    void setColor(std::int32_t color);

private:
    void fill();

    Module1& m_state;
};

} // namespace dorvik
