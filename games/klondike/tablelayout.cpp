#include "games/klondike/tablelayout.h"

#include "platform/gdi/gdi.h"

#include <algorithm>

namespace halvane::klondike {

namespace {

constexpr int TableWidth =
    (KlondikeTable::Columns - 1) * TableLayout::ColumnPitch + TableLayout::CardWidth;
constexpr int TableauTop = TableLayout::TopMargin + TableLayout::CardHeight + TableLayout::RowGap;

} // namespace

// Positions cross the engine as 16-bit numbers: keep the table well inside that range
// whatever the screen reports.
TableLayout::TableLayout(int screenWidth)
    : m_left(std::clamp((screenWidth - TableWidth) / 2, 0, 16000)) {}

TableLayout TableLayout::forScreen() {
    return TableLayout(qRound(gdi::GetScreenTwips().width() / 15.0));
}

QPoint TableLayout::origin(PileId pile) const {
    auto column = [this](int i) { return m_left + i * ColumnPitch; };
    switch (pile.kind) {
    case PileKind::Stock:
        return {column(0), TopMargin};
    case PileKind::Waste:
        return {column(1), TopMargin};
    case PileKind::Foundation:
        return {column(3 + pile.index), TopMargin};
    case PileKind::Tableau:
        return {column(pile.index), TableauTop};
    }
    return {column(0), TopMargin};
}

QPoint TableLayout::cardPosition(const KlondikeTable& table, PileId pile, int index) const {
    const auto& cards = table.pile(pile);
    QPoint place = origin(pile);
    const int count = int(cards.size());
    index = std::clamp(index, 0, count);
    if (pile.kind == PileKind::Tableau) {
        for (int i = 0; i < index; ++i)
            place.ry() += cards[i].faceUp ? FaceUpOffset : FaceDownOffset;
    } else if (pile.kind == PileKind::Waste && index < count) {
        const int firstFanned = count - table.wasteFan();
        if (index > firstFanned)
            place.rx() += (index - firstFanned) * FanOffset;
    }
    return place;
}

QRect TableLayout::area(const KlondikeTable& table, PileId pile) const {
    const int count = int(table.pile(pile).size());
    const QPoint first = origin(pile);
    const QPoint last = count > 0 ? cardPosition(table, pile, count - 1) : first;
    return QRect(first, last + QPoint(CardWidth - 1, CardHeight - 1));
}

std::optional<PileId> TableLayout::pileAt(const KlondikeTable& table, QPoint point) const {
    for (PileId pile : KlondikeTable::allPiles())
        if (area(table, pile).contains(point))
            return pile;
    return std::nullopt;
}

} // namespace halvane::klondike
