#pragma once

#include <initializer_list>
#include <string_view>

#include "characteroptions.h"
#include "generator.h"

namespace tavrel::test {

// Options for a race and a set of class words ("fighter", "mage", "Illusionist", ...): a school
// caption makes a specialist of that school.
inline CharacterOptions optionsFor(int race, std::initializer_list<std::string_view> classes) {
    CharacterOptions o;
    o.race = race;
    for (std::string_view c : classes) {
        if (c == "fighter") o.fighter = true;
        else if (c == "ranger") o.ranger = true;
        else if (c == "paladin") o.paladin = true;
        else if (c == "mage") o.mage = true;
        else if (c == "cleric") o.cleric = true;
        else if (c == "druid") o.druid = true;
        else if (c == "thief") o.thief = true;
        else if (c == "bard") o.bard = true;
        else {
            for (int s = 0; s < kSchoolCount; ++s) {
                if (kSchoolCaptions[s] == c) {
                    o.specialist = true;
                    o.school = s;
                }
            }
        }
    }
    return o;
}

// All nine class flags from a 9-bit mask (fighter, ranger, paladin, mage, specialist, cleric,
// druid, thief, bard from bit 0 up); a specialist gets `school`.
inline CharacterOptions optionsFromMask(int race, unsigned mask, int school = Abjurer) {
    CharacterOptions o;
    o.race = race;
    o.fighter = mask & 1u;
    o.ranger = mask & 2u;
    o.paladin = mask & 4u;
    o.mage = mask & 8u;
    o.specialist = mask & 16u;
    o.cleric = mask & 32u;
    o.druid = mask & 64u;
    o.thief = mask & 128u;
    o.bard = mask & 256u;
    if (o.specialist) o.school = school;
    return o;
}

// Runs reveal ticks until the reveal stops; returns how many ticks it took. Bounded so that a
// reveal that never stops fails the test instead of hanging it.
inline int revealToEnd(Generator& g, SettableClock* clock = nullptr, int limit = 1000) {
    int ticks = 0;
    while (g.revealRunning() && ticks < limit) {
        if (clock) clock->advance(10);
        g.Timer1Timer();
        ++ticks;
    }
    return ticks;
}

}  // namespace tavrel::test
