#include "engine/columnlayout.h"

#include "engine/argcheck.h"
#include "engine/cellgeometry.h"

#include <algorithm>
#include <cstdlib>

namespace dorvik {

ColumnLayout::ColumnLayout(int count, int offset, const char* method)
    : m_count(count), m_offset(offset) {
    const long long spread = std::llabs(static_cast<long long>(count - 1) * offset);
    ArgCheck::to16(spread + CellGeometry::kCardHeight, method, "column height");
}

QRect ColumnLayout::area(int x0, int y0) const {
    const long long spread = static_cast<long long>(m_count - 1) * m_offset;
    const int top = int(y0 + std::min(0LL, spread));
    return {x0, top, CellGeometry::kCardWidth, int(std::llabs(spread)) + CellGeometry::kCardHeight};
}

int ColumnLayout::visibleRows(int i) const {
    const bool covered = i < m_count - 1;
    if (covered && m_offset >= 0 && m_offset < CellGeometry::kCardHeight) {
        return m_offset;
    }
    return CellGeometry::kCardHeight;
}

void ColumnLayout::checkPlace(long long x0, long long y0, const char* method) const {
    ArgCheck::to16(x0, method, "block x");
    ArgCheck::to16(y0, method, "block bottom card y");
    ArgCheck::to16(cardY(int(y0), m_count - 1), method, "block top card y");
}

} // namespace dorvik
