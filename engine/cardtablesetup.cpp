#include "engine/cardtablesetup.h"

#include "engine/argcheck.h"
#include "engine/module1.h"

#include "platform/com/variant.h"

namespace dorvik {

namespace {
constexpr std::int16_t kParkedX = -72; // just off the table's top-left corner
constexpr std::int16_t kParkedY = -97;
constexpr int kLastDeckCard = 113;
} // namespace

void CardTableSetup::buildPacks() {
    for (int pack = 0; pack < 2; ++pack) {
        for (int suit = 1; suit <= 4; ++suit) {
            for (int value = 1; value <= 13; ++value) {
                CardRecord& card = m_state.card(pack * 52 + (suit - 1) * 13 + value);
                card.Suit = std::int16_t(suit);
                card.Value = std::int16_t(value);
                card.Color = (suit == 1 || suit == 4) ? 1 : 2;
            }
        }
    }
    setCardBack(1);
    m_state.StackOffset = 16;
    const std::int16_t further[4][2] = {{1, 1}, {2, 2}, {1, 1}, {2, 2}}; // Color, Value
    for (int i = 0; i < 4; ++i) {
        CardRecord& card = m_state.card(110 + i);
        card.Color = further[i][0];
        card.Suit = 5;
        card.Value = further[i][1];
    }
    for (int n = 105; n <= 109; ++n) {
        CardRecord& card = m_state.card(n);
        card.Value = std::int16_t(14 - m_state.CardBack);
        card.Suit = 5;
        card.Color = 1;
    }
}

void CardTableSetup::setDefaultValues() {
    for (int n = 1; n <= kCardCount; ++n) {
        CardRecord& card = m_state.card(n);
        card.X = kParkedX;
        card.Y = kParkedY;
        if (n <= kLastDeckCard) {
            card.Status = com::True;
            card.IsBlocked = com::False;
            card.Disabled = com::False;
        } else {
            card.Disabled = com::True;
            card.Color = 0;
            card.Suit = 0;
            card.Value = 0;
        }
    }
    m_state.InTableCopy.fill(TableCopyPlace{});
    m_state.SnapshotPending = true;
}

void CardTableSetup::setCardBack(int back) {
    const std::int16_t value = ArgCheck::to16(14LL - back, "SetCardBack", "card value 14 - back");
    m_state.CardBack = std::int16_t(back);
    for (int n = 105; n <= 109; ++n) {
        m_state.card(n).Value = value;
    }
}

} // namespace dorvik
