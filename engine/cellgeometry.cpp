#include "engine/cellgeometry.h"

#include "engine/argcheck.h"

#include "platform/gdi/gdi.h"

#include <cmath>

namespace dorvik {

QPoint CellGeometry::face(const CardRecord& card, const char* method) {
    const long long x = (static_cast<long long>(card.Value) - 1) * kPitchX;
    const long long y = (static_cast<long long>(card.Suit) - 1) * kPitchY;
    return {ArgCheck::to16(x, method, "face cell x"), ArgCheck::to16(y, method, "face cell y")};
}

QPoint CellGeometry::back(int back, const char* method) {
    const long long x = kSheetWidth - static_cast<long long>(back) * kPitchX;
    return {ArgCheck::to16(x, method, "back cell x"), kBackRowY};
}

QPoint CellGeometry::symbol(int symbol) {
    return {(symbol + 1) * kPitchX, kBackRowY};
}

QPoint CellGeometry::saveUnder(int n, const CardRecord& card, const char* method) {
    const long long x = (static_cast<long long>(card.Value) - 1) * kPitchX;
    long long y = (static_cast<long long>(card.Suit) - 1) * kPitchY;
    if (n >= 53) {
        y += kBankOffset;
    }
    return {ArgCheck::to16(x, method, "save-under cell x"),
            ArgCheck::to16(y, method, "save-under cell y")};
}

QSize CellGeometry::screenExtent() {
    const QSize twips = gdi::GetScreenTwips();
    return {int(std::lround(twips.width() / 15.0)), int(std::lround(twips.height() / 15.0))};
}

} // namespace dorvik
