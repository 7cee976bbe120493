#include "games/kit/dealnumber.h"

#include <chrono>
#include <random>
#include <stdexcept>

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

void checkPack(const std::vector<Card>& order, int packSize, const std::string& game) {
    if (int(order.size()) != packSize) {
        throw std::invalid_argument(game + ": a deal needs " + std::to_string(packSize) +
                                    " cards, got " + std::to_string(order.size()));
    }
    std::vector<bool> seen(std::size_t(packSize) + 1);
    for (const Card& card : order) {
        if (card.number < 1 || card.number > packSize) {
            throw std::invalid_argument(game + ": card " + std::to_string(card.number) +
                                        " is not a number from 1 to " + std::to_string(packSize));
        }
        if (seen[std::size_t(card.number)]) {
            throw std::invalid_argument(game + ": card " + std::to_string(card.number) +
                                        " appears twice in the deal");
        }
        seen[std::size_t(card.number)] = true;
    }
}

std::uint32_t random() {
    static std::mt19937 generator(
        std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    return First + generator() % (Last - First + 1);
}

} // namespace halvane::kit::deals
