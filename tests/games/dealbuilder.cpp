#include "dealbuilder.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace halvane::klondike::test {

Card cardOf(const std::string& name) {
    static const std::string ranks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    static const std::string suits = "CDHS";
    if (name.size() < 2)
        throw std::invalid_argument("bad card name " + name);
    const auto suit = suits.find(name.back());
    const auto rank =
        std::find(std::begin(ranks), std::end(ranks), name.substr(0, name.size() - 1));
    if (suit == std::string::npos || rank == std::end(ranks))
        throw std::invalid_argument("bad card name " + name);
    return Card::standard(std::int16_t(int(suit) * 13 + int(rank - std::begin(ranks)) + 1));
}

std::vector<Card> orderWith(const std::array<std::string, 7>& tops,
                            const std::vector<std::string>& stockTopFirst) {
    // Slot of each deal position: rows are dealt left to right, so column c, row r is
    // dealt at position sum over earlier rows plus its place in the row.
    std::vector<std::optional<Card>> order(52);
    std::vector<bool> used(53, false);
    auto place = [&](std::size_t slot, const std::string& name) {
        const Card card = cardOf(name);
        if (used[card.number] || order[slot])
            throw std::invalid_argument("card or slot used twice: " + name);
        used[card.number] = true;
        order[slot] = card;
    };
    std::size_t slot = 0;
    for (int row = 0; row < 7; ++row)
        for (int column = row; column < 7; ++column, ++slot)
            if (column == row)
                place(slot, tops[column]);
    for (std::size_t i = 0; i < stockTopFirst.size(); ++i)
        place(28 + i, stockTopFirst[i]);
    std::int16_t next = 1;
    for (auto& entry : order) {
        if (entry)
            continue;
        while (used[next])
            ++next;
        used[next] = true;
        entry = Card::standard(next);
    }
    std::vector<Card> cards;
    for (const auto& entry : order)
        cards.push_back(*entry);
    return cards;
}

std::vector<Card> standardOrder() {
    std::vector<Card> cards;
    for (std::int16_t n = 1; n <= 52; ++n)
        cards.push_back(Card::standard(n));
    return cards;
}

} // namespace halvane::klondike::test
