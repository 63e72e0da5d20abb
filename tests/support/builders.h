#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "characteroptions.h"
#include "eligibility.h"
#include "generator.h"

namespace tavrel::test {

// Sets the class flag named by a class word ("fighter", "mage", ...); a school caption
// ("Illusionist", ...) makes a specialist of that school.
inline void addClass(CharacterOptions& o, std::string_view c) {
    if (c == "fighter")
        o.fighter = true;
    else if (c == "ranger")
        o.ranger = true;
    else if (c == "paladin")
        o.paladin = true;
    else if (c == "mage")
        o.mage = true;
    else if (c == "cleric")
        o.cleric = true;
    else if (c == "druid")
        o.druid = true;
    else if (c == "thief")
        o.thief = true;
    else if (c == "bard")
        o.bard = true;
    else {
        for (int s = 0; s < kSchoolCount; ++s) {
            if (kSchoolCaptions[s] == c) {
                o.specialist = true;
                o.school = s;
            }
        }
    }
}

// Options for a race and a set of class words ("fighter", "mage", "Illusionist", ...): a school
// caption makes a specialist of that school.
inline CharacterOptions optionsFor(int race, std::initializer_list<std::string_view> classes) {
    CharacterOptions o;
    o.race = race;
    for (std::string_view c : classes)
        addClass(o, c);
    return o;
}

// The same from a stored list of class words, for table-driven tests whose rows outlive the
// braces they were written in.
inline CharacterOptions optionsFor(int race, const std::vector<std::string_view>& classes) {
    CharacterOptions o;
    o.race = race;
    for (std::string_view c : classes)
        addClass(o, c);
    return o;
}

// How many class flags are set (a specialist counts once, beside a mage).
inline int classCountOf(const CharacterOptions& o) {
    return o.fighter + o.ranger + o.paladin + o.mage + o.specialist + o.cleric + o.druid + o.thief +
           o.bard;
}

// All nine class flags from a 9-bit mask (fighter, ranger, paladin, mage, specialist, cleric,
// druid, thief, bard from bit 0 up); a specialist gets `school`.
inline CharacterOptions optionsFromMask(int race, unsigned mask, int school = Abjurer) {
    CharacterOptions o;
    o.race = race;
    setClassFlags(o, static_cast<ClassSet>(mask));
    if (o.specialist)
        o.school = school;
    return o;
}

// Runs reveal ticks until the reveal stops; returns how many ticks it took. Bounded so that a
// reveal that never stops fails the test instead of hanging it.
inline int revealToEnd(Generator& g, SettableClock* clock = nullptr, int limit = 1000) {
    int ticks = 0;
    while (g.revealRunning() && ticks < limit) {
        if (clock)
            clock->advance(10);
        g.Timer1Timer();
        ++ticks;
    }
    return ticks;
}

// Starts generations with `options` (its level range set to hold `level`) until one draws that
// level; false when none did within `limit` tries.
inline bool formShowAtLevel(Generator& g, CharacterOptions options, int level, int limit = 500) {
    options.levelRange = level <= 5 ? 0 : level <= 10 ? 1 : 2;
    for (int i = 0; i < limit; ++i) {
        g.FormShow(options);
        if (g.character().level == level) {
            return true;
        }
    }
    return false;
}

struct GenerationRun {
    int fillTicks = 0;
    bool fillStopped = false;       // the fill completed within the limit
    bool fillStoppedEarly = false;  // it completed while the reveal was still running
};

// Runs a generation started with FormShow to its end the way the two timers pace it: a fill
// tick every 5 ms, a reveal tick every 10 ms. Bounded so that a fill that never completes
// fails the test instead of hanging it.
inline GenerationRun runGeneration(Generator& g, SettableClock* clock = nullptr,
                                   int limit = 20000) {
    GenerationRun run;
    for (int step = 0; step < limit && (g.revealRunning() || g.fillRunning()); ++step) {
        if (g.fillRunning()) {
            g.Timer2Timer();
            ++run.fillTicks;
            if (!g.fillRunning() && g.revealRunning()) {
                run.fillStoppedEarly = true;
            }
        }
        if (step % 2 == 1 && g.revealRunning()) {
            if (clock) {
                clock->advance(10);
            }
            g.Timer1Timer();
        }
    }
    run.fillStopped = !g.fillRunning();
    return run;
}

// The first seed from which the generator's next draws, randomBelow(n) for each (n, value)
// pair in order, give exactly those values: a way to script what a rule will draw.
inline std::uint32_t seedForDraws(std::initializer_list<std::pair<int, int>> draws,
                                  std::uint32_t from = 1) {
    for (std::uint32_t seed = from;; ++seed) {
        Random r(seed);
        bool all = true;
        for (const auto& [n, value] : draws) {
            if (r.randomBelow(n) != value) {
                all = false;
                break;
            }
        }
        if (all) {
            return seed;
        }
    }
}

}  // namespace tavrel::test
