#include "games/kit/layout.h"

#include "engine/cardgeometry.h"

#include <algorithm>
#include <stdexcept>

namespace halvane::kit {

namespace {

constexpr int MinFaceUpStep = dorvik::card::Strip / 2; // a rank still shows
constexpr int MinFaceDownStep = 2;

} // namespace

void Layout::place(PileId id, const PileLook& look) {
    for (auto& entry : m_looks) {
        if (entry.first == id) {
            entry.second = look;
            return;
        }
    }
    m_looks.emplace_back(id, look);
}

const PileLook& Layout::look(PileId id) const {
    for (const auto& entry : m_looks) {
        if (entry.first == id) {
            return entry.second;
        }
    }
    throw std::out_of_range("layout: " + id.describe().toStdString() + " has no place");
}

Layout::Steps Layout::steps(const Table& table, PileId id) const {
    const PileLook& l = look(id);
    Steps s{l.faceDownStep, l.faceUpStep};
    if (l.fan == Fan::None || l.fansDrawnOnly || m_edge.isEmpty()) {
        return s;
    }
    const auto& cards = table.pile(id);
    int down = 0;
    int up = 0;
    // The steps below every card but the top one decide where the top card lies.
    for (std::size_t i = 0; i + 1 < cards.size(); ++i) {
        (cards[i].faceUp ? up : down) += 1;
    }
    const int room = l.fan == Fan::Down ? m_edge.height() - l.origin.y() - dorvik::card::Height
                                        : m_edge.width() - l.origin.x() - dorvik::card::Width;
    if (down * s.down + up * s.up <= room) {
        return s;
    }
    if (up > 0) {
        s.up = std::max(MinFaceUpStep, (room - down * s.down) / up);
    }
    if (down > 0 && down * s.down + up * s.up > room) {
        s.down = std::max(MinFaceDownStep, (room - up * s.up) / down);
    }
    return s;
}

int Layout::faceUpStep(const Table& table, PileId id) const {
    return steps(table, id).up;
}

QPoint Layout::cardPosition(const Table& table, PileId id, int index) const {
    const PileLook& l = look(id);
    const auto& cards = table.pile(id);
    const int count = int(cards.size());
    index = std::clamp(index, 0, count);
    QPoint place = l.origin;
    if (l.fan == Fan::None) {
        return place;
    }
    const QPoint unit = l.fan == Fan::Down ? QPoint(0, 1) : QPoint(1, 0);
    if (l.fansDrawnOnly) {
        const int firstFanned = count - table.fanned(id);
        if (index < count && index > firstFanned) {
            place += unit * ((index - firstFanned) * l.faceUpStep);
        }
        return place;
    }
    const Steps s = steps(table, id);
    for (int i = 0; i < index; ++i) {
        place += unit * (cards[i].faceUp ? s.up : s.down);
    }
    return place;
}

QRect Layout::area(const Table& table, PileId id) const {
    const int count = int(table.pile(id).size());
    const QPoint first = origin(id);
    QPoint last = first;
    for (int i = 0; i < count; ++i) {
        const QPoint at = cardPosition(table, id, i);
        last = QPoint(std::max(last.x(), at.x()), std::max(last.y(), at.y()));
    }
    return QRect(first, last + QPoint(dorvik::card::Width - 1, dorvik::card::Height - 1));
}

std::optional<PileId> Layout::pileAt(const Table& table, QPoint point) const {
    const std::vector<Pile>& piles = table.piles();
    for (auto pile = piles.rbegin(); pile != piles.rend(); ++pile) {
        const bool placed = std::any_of(m_looks.begin(), m_looks.end(),
                                        [&](const auto& entry) { return entry.first == pile->id; });
        if (placed && area(table, pile->id).contains(point)) {
            return pile->id;
        }
    }
    return std::nullopt;
}

} // namespace halvane::kit
