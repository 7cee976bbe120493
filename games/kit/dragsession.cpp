#include "games/kit/dragsession.h"

#include "engine/_class1.h"

#include <stdexcept>

namespace halvane::kit {

DragSession::DragSession(Table::Place from, std::vector<std::int16_t> cards, QPoint home)
    : m_from(from), m_cards(std::move(cards)), m_home(home) {
    if (m_cards.empty())
        throw std::invalid_argument("a drag needs at least one card");
    std::vector<com::Variant> list;
    for (std::int16_t card : m_cards)
        list.push_back(com::Variant::fromInteger(card));
    m_list = com::Variant::fromArray(std::move(list));
}

void DragSession::follow(dorvik::_Class1& engine, std::int32_t hdc, QPoint pointer) {
    const auto x = std::int16_t(pointer.x());
    const auto y = std::int16_t(pointer.y());
    if (isBlock())
        engine.BlockDrag(hdc, m_list, std::int16_t(m_cards.size()), x, y);
    else
        engine.DoDrag(hdc, m_cards.front(), x, y);
    m_moved = true;
}

std::int16_t DragSession::drop(dorvik::_Class1& engine, std::int32_t hdc, QPoint pointer) {
    if (!m_moved)
        throw std::logic_error("a drop before the cards were lifted");
    const auto x = std::int16_t(pointer.x());
    const auto y = std::int16_t(pointer.y());
    const com::Variant target =
        isBlock() ? engine.EndBlockDrag(hdc, m_list, std::int16_t(m_cards.size()), x, y)
                  : engine.EndDrag(hdc, x, y);
    return target.toInteger("card under the drop");
}

void DragSession::sendHome(dorvik::_Class1& engine, std::int32_t hdc, bool dropped) const {
    const auto x = std::int16_t(m_home.x());
    const auto y = std::int16_t(m_home.y());
    if (isBlock()) {
        engine.ReturnBlockDrag(hdc, m_list, std::int16_t(m_cards.size()), x, y);
        return;
    }
    if (dropped) {
        engine.RemoveCard(hdc, m_cards.front());
    }
    engine.ReturnDrag(hdc, m_cards.front(), x, y);
}

} // namespace halvane::kit
