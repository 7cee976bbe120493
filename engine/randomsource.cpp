#include "engine/randomsource.h"

#include <chrono>

namespace dorvik {

void RandomSource::reseed() {
    m_seeded = true;
    if (m_fixedSeed) {
        m_generator.seed(*m_fixedSeed);
        return;
    }
    const auto ns = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
    ++m_seedings;
    std::seed_seq seq{std::uint32_t(ticks), std::uint32_t(ticks >> 32), m_seedings};
    m_generator.seed(seq);
}

void RandomSource::setFixedSeed(std::optional<std::uint32_t> seed) {
    m_fixedSeed = seed;
    if (m_fixedSeed) {
        reseed();
    }
}

float RandomSource::next() {
    if (!m_seeded) {
        reseed();
    }
    const std::uint32_t bits = static_cast<std::uint32_t>(m_generator()) >> 8;
    return float(bits) * (1.0f / 16777216.0f);
}

} // namespace dorvik
