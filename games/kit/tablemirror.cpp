#include "games/kit/tablemirror.h"

#include "engine/_class1.h"

#include "platform/gdi/gdi.h"

#include <algorithm>
#include <stdexcept>

namespace halvane::kit {

namespace {

constexpr std::int16_t LastThrown = 113;    // the slots the win sequence throws about
constexpr std::int16_t FirstBackCard = 105; // its Value is 14 - the back in use
constexpr int FlashFrames = 24;             // about 0.4 s at the window's 60 frames a second

com::Boolean boolean(bool value) {
    return value ? com::True : com::False;
}

std::int16_t pixel(int value) {
    return std::int16_t(value);
}

} // namespace

void TableMirror::redraw(std::int32_t hdc, const TableBackground& background, const Table& table,
                         const Look& look, Window window) {
    const auto& piles = table.piles();
    if (int(piles.size()) > LastMarker - FirstMarker + 1) {
        throw std::length_error("game kit: more piles than the engine has spare slots");
    }
    // A whole-window fill: at twice the size it costs as much as dealing the cards.
    if (window == Window::Covered)
        background.clear(hdc);
    // Parks every slot and arms the snapshot: the first card dealt copies the cleared
    // window to the table copy before it draws there too. Markers draw on both.
    m_engine.SetDefaultValues();
    for (std::int16_t card = 1; card <= LastThrown; ++card) {
        m_engine.SetCardDisabled(card, com::True);
    }
    for (std::size_t i = 0; i < piles.size(); ++i) {
        const short symbol = look.marker(piles[i].id);
        if (symbol > 0) {
            const QPoint at = look.layout.origin(piles[i].id);
            m_engine.DealSymbol(hdc, std::int16_t(FirstMarker + int(i)), symbol, pixel(at.x()),
                                pixel(at.y()));
        }
    }
    for (const Pile& pile : piles) {
        for (std::size_t i = 0; i < pile.cards.size(); ++i) {
            const Card& card = pile.cards[i];
            const QPoint at = look.layout.cardPosition(table, pile.id, int(i));
            const bool top = i + 1 == pile.cards.size();
            const bool covered = look.covered && look.covered(pile.id, int(i));
            m_engine.SetCardStatus(card.number, boolean(card.faceUp));
            m_engine.DealCard(hdc, card.number, pixel(at.x()), pixel(at.y()));
            // Blocked, the engine neither drops onto the card nor grabs it beyond its strip.
            m_engine.SetCardIsBlocked(card.number, boolean(!top || covered));
            // A face-down top card stays pickable: a press on it is the game's to judge
            // (the stock's top card draws). A covered one is not: the engine grabs the
            // highest card number under the pointer, not the card drawn last.
            const bool pickable =
                !covered && (top || (card.faceUp && look.canTake(pile.id, int(i))));
            m_engine.SetCardDisabled(card.number, boolean(!pickable));
        }
    }
    // No card took the snapshot: the table copy must still lose the last table's cards.
    const bool noCards = std::all_of(piles.begin(), piles.end(),
                                     [](const Pile& pile) { return pile.cards.empty(); });
    if (noCards)
        m_engine.TakeScreenShot(hdc);
}

std::optional<PileId> TableMirror::markerPile(const Table& table, int card) {
    const int index = card - FirstMarker;
    if (index < 0 || index >= int(table.piles().size())) {
        return std::nullopt;
    }
    return table.piles()[std::size_t(index)].id;
}

void TableMirror::disableAll() {
    for (std::int16_t card = 1; card <= LastThrown; ++card) {
        m_engine.SetCardDisabled(card, com::True);
    }
}

void TableMirror::flashCards(std::int32_t hdc,
                             const std::vector<std::pair<std::int16_t, QPoint>>& cards) {
    for (const auto& [card, at] : cards) {
        m_engine.DrawCard(hdc, card, pixel(at.x()), pixel(at.y()), com::True);
    }
    holdAndRestore(hdc);
}

void TableMirror::flashBack(std::int32_t hdc, QPoint at) {
    const int back = 14 - m_engine.GetCardValue(FirstBackCard).toInteger("back card");
    m_engine.DrawBack(hdc, back == 1 ? 2 : 1, pixel(at.x()), pixel(at.y()), com::True);
    holdAndRestore(hdc);
}

void TableMirror::holdAndRestore(std::int32_t hdc) {
    for (int frame = 0; frame < FlashFrames; ++frame) {
        gdi::GdiFlush(hdc);
    }
    m_engine.ReDraw(hdc);
}

} // namespace halvane::kit
