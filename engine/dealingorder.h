#pragma once
// The dealing order a game can build and mix: DeckOrder, entries 1 to n, entry 0 unused.

#include <cstdint>

namespace dorvik {

struct Module1;

class DealingOrder {
public:
    explicit DealingOrder(Module1& state) : m_state(state) {}

    // A new order 0, 1, 2, ..., count. Throws for a negative count.
    void create(int count);

    // Seeds the random sequence, then makes 10 passes over positions 1 to `size`, each
    // position exchanged with one drawn uniformly from 1 to `size`. Does nothing for
    // size 0 or less; throws when `size` exceeds the order CreateDeck made.
    void shuffle(int size);

    // Entry `index`, 0 to the created count; throws outside that range.
    std::int16_t entry(int index) const;

private:
    Module1& m_state;
};

} // namespace dorvik
