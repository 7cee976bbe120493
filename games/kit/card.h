#pragma once
// One playing card as a game's rules see it: the engine's card number with the suit, rank
// and colour that number stands for, and whether it lies face up.

#include <cstdint>

namespace halvane::kit {

struct Card {
    std::int16_t number =
        0;                 // the engine's card number: 1 to 52 the first pack, 53 to 104 the second
    std::int16_t suit = 0; // 1 clubs, 2 diamonds, 3 hearts, 4 spades
    std::int16_t rank = 0; // 1 ace .. 13 king
    std::int16_t colour = 0; // 1 black (clubs, spades) or 2 red
    bool faceUp = false;

    // The card the engine builds under `number` (1 to 104): number = pack offset +
    // (suit - 1) * 13 + rank; colour 1 for clubs and spades. Face down.
    static constexpr Card standard(std::int16_t number) {
        Card card;
        card.number = number;
        const int inPack = (number - 1) % 52;
        card.suit = std::int16_t(inPack / 13 + 1);
        card.rank = std::int16_t(inPack % 13 + 1);
        card.colour = (card.suit == 1 || card.suit == 4) ? 1 : 2;
        return card;
    }

    bool operator==(const Card&) const = default;
};

} // namespace halvane::kit
