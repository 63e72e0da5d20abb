#pragma once

// The fixed mix of options every engine measurement runs over, shared by the benchmark and the
// instruction-count driver so that their figures describe the same work.
#include <vector>

#include "characteroptions.h"
#include "eligibility.h"

namespace tavrel::bench {

inline CharacterOptions makeOptions(int race, unsigned mask, int levelRange, int dice,
                                    int school = 0) {
    CharacterOptions o;
    o.race = race;
    setClassFlags(o, static_cast<ClassSet>(mask));
    if (o.specialist)
        o.school = school;
    o.levelRange = levelRange;
    o.diceMethod = dice;
    o.lawChaos = 1;
    o.goodEvil = (mask & 64u) ? 1 : 0;
    return o;
}

// Every race, single and multi-class sets, all dice methods and level ranges, and a few
// combinations that only lifted restrictions allow (the last four sets).
inline std::vector<CharacterOptions> mixedOptions() {
    enum : unsigned { F = 1, R = 2, P = 4, M = 8, S = 16, C = 32, D = 64, T = 128, B = 256 };
    const unsigned sets[] = {F,     R,         P,         M,     S,     C,
                             D,     T,         B,         F | M, F | T, F | C,
                             C | M, F | M | T, F | C | M, R | C, D | F, F | P | M | C | T,
                             511};
    std::vector<CharacterOptions> all;
    int i = 0;
    for (unsigned set : sets) {
        for (int race = 0; race < 6; ++race) {
            all.push_back(makeOptions(race, set, i % 3, (i / 3) % 3, i % 8));
            ++i;
        }
    }
    return all;
}

}  // namespace tavrel::bench
