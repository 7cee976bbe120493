#pragma once
// One slot of the card table: twelve signed 16-bit fields in the order games know them.

#include <cstdint>

namespace dorvik {

struct CardRecord {
    std::int16_t Color = 0;     // colour class: 1 or 2 for built cards, 0 for spare slots
    std::int16_t Suit = 0;      // row of the picture in the deck sheet (1 to 5), 0 spare
    std::int16_t Value = 0;     // column of the picture in the deck sheet, 0 spare
    std::int16_t X = 0;         // left edge on the table, pixels
    std::int16_t Y = 0;         // top edge on the table, pixels
    std::int16_t Status = 0;    // Boolean: face up
    std::int16_t IsBlocked = 0; // Boolean: covered, only the top strip can be grabbed
    std::int16_t Disabled = 0;  // Boolean: never picked up, no block lands on it
    std::int16_t User1 = 0;     // Boolean, the game's own
    std::int16_t User2 = 0;     // the game's own
    std::int16_t User3 = 0;
    std::int16_t User4 = 0;
};

} // namespace dorvik
