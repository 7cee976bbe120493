#include "engine/dealingorder.h"

#include "engine/argcheck.h"
#include "engine/module1.h"

#include <cmath>
#include <utility>

namespace dorvik {

namespace {
constexpr int kPasses = 10;
}

void DealingOrder::create(int count) {
    if (count < 0) {
        ArgCheck::fail("CreateDeck", QStringLiteral("card count %1 is negative").arg(count));
    }
    m_state.DeckOrder.assign(std::size_t(count) + 1, 0);
    for (int i = 1; i <= count; ++i) {
        m_state.DeckOrder[std::size_t(i)] = std::int16_t(i);
    }
}

void DealingOrder::shuffle(int size) {
    if (size <= 0) {
        return;
    }
    const int created = int(m_state.DeckOrder.size()) - 1;
    if (size > created) {
        ArgCheck::fail("Shuffle",
                       created < 0
                           ? QStringLiteral("deck size %1, but CreateDeck has not run").arg(size)
                           : QStringLiteral("deck size %1 exceeds the %2 cards CreateDeck made")
                                 .arg(size)
                                 .arg(created));
    }
    m_state.Random.reseed();
    auto& order = m_state.DeckOrder;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (int j = 1; j <= size; ++j) {
            // A 24-bit draw times a 15-bit size is exact in double, so k never reaches
            // size + 1 the way a single-precision product could round up to it.
            const int k = int(std::floor(double(m_state.Random.next()) * size)) + 1;
            std::swap(order[std::size_t(j)], order[std::size_t(k)]);
        }
    }
}

std::int16_t DealingOrder::entry(int index) const {
    const int created = int(m_state.DeckOrder.size()) - 1;
    if (index < 0 || index > created) {
        ArgCheck::fail("GetDeckOrder",
                       created < 0
                           ? QStringLiteral("index %1, but CreateDeck has not run").arg(index)
                           : QStringLiteral("index %1 is outside 0 to %2").arg(index).arg(created));
    }
    return m_state.DeckOrder[std::size_t(index)];
}

} // namespace dorvik
