#include "games/kit/dealnumber.h"

#include <chrono>
#include <random>

namespace halvane::kit::deals {

std::vector<Card> order(std::uint32_t number, int packSize) {
    std::vector<Card> cards;
    for (int n = 1; n <= packSize; ++n) {
        cards.push_back(Card::standard(std::int16_t(n)));
    }
    std::mt19937 generator(number);
    for (int i = packSize - 1; i > 0; --i) {
        const auto j = int(generator() % std::uint32_t(i + 1));
        std::swap(cards[std::size_t(i)], cards[std::size_t(j)]);
    }
    return cards;
}

std::uint32_t random() {
    static std::mt19937 generator(
        std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    return First + generator() % (Last - First + 1);
}

} // namespace halvane::kit::deals
