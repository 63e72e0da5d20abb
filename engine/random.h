#pragma once

#include <cstdint>

#include "clock.h"

namespace tavrel {

// The one 32-bit linear congruential generator every draw of the program shares. Each owner
// (the app, a headless run, a test) holds its own instance; there is no hidden global.
class Random {
public:
    explicit Random(std::uint32_t seed = 0) : m_seed(seed) {}

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed) { m_seed = seed; }

    // A uniform integer in [0, n) for n >= 1: step the seed, then take the high 32 bits of the
    // 64-bit product seed * n.
    int randomBelow(int n) {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<int>((std::uint64_t{m_seed} * static_cast<std::uint32_t>(n)) >> 32);
    }

    // The dice reseed from the clock so that rolls made at different moments differ.
    void reseedFromClock(const TimeOfDayClock& clock) {
        m_seed = clock.millisecondsSinceMidnight();
    }

private:
    std::uint32_t m_seed;
};

}  // namespace tavrel
