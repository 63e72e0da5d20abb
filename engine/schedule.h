#pragma once

#include <cstdint>

#include "characteroptions.h"
#include "clock.h"
#include "generator.h"
#include "random.h"

namespace tavrel {

// Headless generation on a virtual clock: a character is fully determined by the generator
// seed and the start time. A generation starts with FormShow at time T; then at every step
// T + 10k the reveal tick runs if the reveal is still running, then the fill tick if the fill
// is still running; the generation is finished after the first step at which both have stopped.
// The next generation starts at that step's time with the generator as it was left (a reroll).
class VirtualSchedule {
public:
    static constexpr std::uint32_t kStepMilliseconds = 10;
    // No generation needs more than a few dozen steps; the bound only guards against a rule
    // that never lets the fill finish.
    static constexpr int kMaxSteps = 100'000;

    VirtualSchedule(std::uint32_t seed, std::uint32_t startTime)
        : m_random(seed), m_clock(startTime), m_generator(m_random, m_clock) {}

    struct Start {
        std::uint32_t seed;  // generator seed before FormShow
        std::uint32_t time;  // virtual time of FormShow, milliseconds since midnight UTC
    };

    // Runs one whole generation. Returns where it started; `finished()` tells whether it ended
    // within kMaxSteps.
    Start generate(const CharacterOptions& options);

    // The same generation a step at a time, for a front end that shows it at the real pace:
    // begin() runs FormShow, each step() advances the clock by one step and runs the ticks.
    // step() returns false, doing nothing, once the generation has finished or hit kMaxSteps.
    Start begin(const CharacterOptions& options);
    bool step();

    bool finished() const { return !m_generator.revealRunning() && !m_generator.fillRunning(); }
    int steps() const { return m_steps; }
    std::uint32_t time() const { return m_clock.millisecondsSinceMidnight(); }
    std::uint32_t seed() const { return m_random.seed(); }
    const Generator& generator() const { return m_generator; }
    Generator& generator() { return m_generator; }
    const Character& character() const { return m_generator.character(); }

private:
    Random m_random;
    SettableClock m_clock;
    Generator m_generator;
    int m_steps = 0;
};

}  // namespace tavrel
