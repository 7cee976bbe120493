#pragma once
// One drag of a card or a block, from the press that picked it to the release: the
// engine calls that move it (DoDrag and EndDrag for one card, BlockDrag and
// EndBlockDrag for more) and what the game must remember to put it back.

#include "games/kit/table.h"

#include "platform/com/variant.h"

#include <QPoint>

#include <cstdint>
#include <vector>

namespace dorvik {
class _Class1;
}

namespace halvane::kit {

class DragSession {
public:
    // `cards` bottom first, element 0 the pressed card (the one InitDrag picked);
    // `home` the bottom card's place before the drag. `cards` must not be empty.
    DragSession(Table::Place from, std::vector<std::int16_t> cards, QPoint home);

    const Table::Place& from() const { return m_from; }
    const std::vector<std::int16_t>& cards() const { return m_cards; }
    QPoint home() const { return m_home; }
    bool isBlock() const { return m_cards.size() > 1; }
    // Has the first move lifted the cards out of the engine's table copy?
    bool hasMoved() const { return m_moved; }

    // Moves the cards under the pointer.
    void follow(dorvik::_Class1& engine, std::int32_t hdc, QPoint pointer);
    // Puts the cards down under the pointer and returns the engine's card under it (0
    // for none). Only after a move: a drop without one would save the card's own
    // picture as its background.
    std::int16_t drop(dorvik::_Class1& engine, std::int32_t hdc, QPoint pointer);
    // Slides the cards home after the first move: a single card `dropped` (dealt where
    // EndDrag put it) is lifted first; a block is on the window only either way.
    void sendHome(dorvik::_Class1& engine, std::int32_t hdc, bool dropped) const;

private:
    Table::Place m_from;
    std::vector<std::int16_t> m_cards;
    com::Variant m_list; // the cards as the engine's block calls take them
    QPoint m_home;
    bool m_moved = false;
};

} // namespace halvane::kit
