#pragma once
// The engine's random sequence: Shuffle seeds it, Shuffle and WinSequence draw from it.
// Draws are single-precision numbers in [0, 1) with 24 random bits, so a seed fixes the
// whole sequence on every machine.

#include <cstdint>
#include <optional>
#include <random>

namespace dorvik {

class RandomSource {
public:
    // Seeds from the fixed seed when one is set, otherwise from the system clock in
    // nanoseconds mixed with a call counter, so two seedings never repeat a sequence.
    void reseed();

    // The seed every reseed() uses from now on, or none to go back to the clock. Setting
    // one also seeds the sequence at once.
    void setFixedSeed(std::optional<std::uint32_t> seed);
    std::optional<std::uint32_t> fixedSeed() const { return m_fixedSeed; }

    // The next draw: the top 24 bits of the generator's next output times 2^-24. A
    // sequence never seeded (no Shuffle yet) seeds itself first, so a game that never
    // shuffles still sees a different win sequence each run.
    float next();

private:
    std::mt19937 m_generator;
    bool m_seeded = false;
    std::optional<std::uint32_t> m_fixedSeed;
    std::uint32_t m_seedings = 0;
};

} // namespace dorvik
