#pragma once
// The pseudo-random generator of the fill: a 32-bit linear congruential generator
// (seed = seed * 22695477 + 1, wrapping), answering bits 16 to 30 of the new seed.
// The caller owns it and chooses the seed, so that a fill can be repeated exactly.

#include <cstdint>

namespace tessaran {

class FillRandom {
public:
    explicit FillRandom(uint32_t seed = 0) : m_seed(seed) {}

    // The next value, 0 to 32767.
    int next() {
        m_seed = m_seed * 22695477u + 1u;
        return static_cast<int>((m_seed >> 16) & 0x7fffu);
    }

    void setSeed(uint32_t seed) { m_seed = seed; }
    uint32_t seed() const { return m_seed; }

    // The program's start-up seed: minute * 60 + second of the given local time.
    static uint32_t seedFromClock(int minute, int second) {
        return static_cast<uint32_t>(minute * 60 + second);
    }

private:
    uint32_t m_seed;
};

}  // namespace tessaran
