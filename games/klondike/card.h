#pragma once
// One playing card as the rules see it. The numbers come from the card engine's table
// (1 to 52 for the first pack); suit, rank and colour are read from the engine at deal
// time, so the rules never guess them from the number.

#include <cstdint>

namespace halvane::klondike {

struct Card {
    std::int16_t number = 0; // the engine's card number, 1 to 52
    std::int16_t suit = 0;   // 1 clubs, 2 diamonds, 3 hearts, 4 spades
    std::int16_t rank = 0;   // 1 ace .. 13 king
    std::int16_t colour = 0; // 1 or 2; only equality matters to the rules
    bool faceUp = false;

    // The standard first pack: number = (suit - 1) * 13 + rank, colour 1 for clubs and
    // spades, 2 for diamonds and hearts. Face down. Tests and the fallback use it.
    static constexpr Card standard(std::int16_t number) {
        Card card;
        card.number = number;
        card.suit = std::int16_t((number - 1) / 13 + 1);
        card.rank = std::int16_t((number - 1) % 13 + 1);
        card.colour = (card.suit == 1 || card.suit == 4) ? 1 : 2;
        return card;
    }

    bool operator==(const Card&) const = default;
};

} // namespace halvane::klondike
