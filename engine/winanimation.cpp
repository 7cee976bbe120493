#include "engine/winanimation.h"

#include "engine/argcheck.h"
#include "engine/cellgeometry.h"
#include "engine/module1.h"
#include "engine/tabledrawing.h"

#include "platform/com/rounding.h"
#include "platform/gdi/gdi.h"

#include <cmath>

namespace dorvik {

namespace {
constexpr double kHalfWidth = CellGeometry::kCardWidth / 2.0;   // 35.5
constexpr double kHalfHeight = CellGeometry::kCardHeight / 2.0; // 48
} // namespace

int WinAnimation::randomPoint(float r, int twips) {
    // In double the product of a 24-bit draw and the twips is exact, so the point never
    // rounds up past the screen's edge.
    return int(std::floor(double(r) * twips / 15.0)) + 1;
}

int WinAnimation::edgeFor(double point, double half) {
    return int(com::RoundHalfEven(point - half));
}

void WinAnimation::run(std::int32_t hdc) {
    TableDrawing table(m_state);
    for (int pass = 0; pass < kPasses; ++pass) {
        for (int n = 1; n <= kLastCard; ++n) {
            // The screen is read anew for each point, as a screen may change size.
            const int x = randomPoint(m_state.Random.next(), gdi::GetScreenTwips().width());
            const int y = randomPoint(m_state.Random.next(), gdi::GetScreenTwips().height());
            const std::int16_t left =
                ArgCheck::to16(edgeFor(x, kHalfWidth), "WinSequence", "card x");
            const std::int16_t top =
                ArgCheck::to16(edgeFor(y, kHalfHeight), "WinSequence", "card y");
            table.dealCard(hdc, n, left, top, "WinSequence");
            gdi::GdiFlush(hdc);
        }
    }
    const QSize twips = gdi::GetScreenTwips();
    const double width = twips.width() / 15.0;
    const double height = twips.height() / 15.0;
    const std::int16_t left =
        ArgCheck::to16(edgeFor(width / 2, kHalfWidth), "WinSequence", "closing back x");
    const std::int16_t top =
        ArgCheck::to16(edgeFor(height / 2, kHalfHeight), "WinSequence", "closing back y");
    table.drawBack(hdc, kClosingBack, left, top, false);
    gdi::GdiFlush(hdc);
}

} // namespace dorvik
