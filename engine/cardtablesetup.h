#pragma once
// The card table's set-up: the two packs and the special cards, the resting state of
// every slot, and the card back in use.

#include <cstdint>

namespace dorvik {

struct Module1;

class CardTableSetup {
public:
    explicit CardTableSetup(Module1& state) : m_state(state) {}

    // Both packs (cards 1 to 104), the back cards 105 to 109 and the further cards 110
    // to 113; back 1 and block spacing 16. Touches only Color, Suit and Value.
    void buildPacks();

    // Parks every card at (-72, -97): 1 to 113 face up, enabled, not blocked; 114 to
    // 150 disabled and cleared. User fields stay. No card is in the table copy any more,
    // and the next visible draw takes a fresh snapshot of the table.
    void setDefaultValues();

    // Makes `back` the card back and points cards 105 to 109 at it (Value 14 - back).
    // Throws, changing nothing, when 14 - back leaves the 16-bit range.
    void setCardBack(int back);

private:
    Module1& m_state;
};

} // namespace dorvik
