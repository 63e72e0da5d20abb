#include "abilities.h"

#include <algorithm>

namespace tavrel {

namespace {

struct RaceRow {
    std::array<std::int8_t, kAbilityCount> floor;
    std::array<std::int8_t, kAbilityCount> adjustment;
};

// Floors and racial adjustments, in race and ability order.
constexpr std::array<RaceRow, kRaceCount> kRaceTable{{
    {{3, 7, 6, 8, 3, 8}, {0, -1, 1, 0, 0, 0}},   // Elf
    {{3, 6, 6, 3, 4, 3}, {0, 0, 0, 0, 0, 0}},    // Half-Elf
    {{8, 11, 3, 3, 3, 3}, {0, 1, 0, 0, 0, -1}},  // Dwarf
    {{3, 3, 3, 3, 3, 3}, {0, 0, 0, 0, 0, 0}},    // Human
    {{6, 8, 3, 6, 3, 3}, {0, 0, 0, 1, -1, 0}},   // Gnome
    {{7, 10, 7, 6, 3, 3}, {-1, 0, 1, 0, 0, 0}},  // Halfling
}};

struct SchoolFloor {
    int ability;
    std::int8_t floor;
};

// The specialist's own floor, set (not raised) after every other minimum so far.
constexpr std::array<SchoolFloor, kSchoolCount> kSchoolFloors{{
    {WIS, 15},  // Abjurer
    {CON, 15},  // Conjurer
    {WIS, 16},  // Diviner
    {CHA, 16},  // Enchanter
    {DEX, 16},  // Illusionist
    {CON, 16},  // Invoker
    {WIS, 16},  // Necromancer
    {DEX, 15},  // Transmuter
}};

int die(Random& random) {
    return random.randomBelow(35789781) % 6 + 1;
}

int rollOnce(int method, Random& random) {
    switch (method) {
        case 1: {
            std::array<int, 4> dice{};
            for (int& d : dice) {
                d = die(random);
            }
            return dice[0] + dice[1] + dice[2] + dice[3] -
                   *std::min_element(dice.begin(), dice.end());
        }
        case 2: {
            const int first = die(random) + die(random) + die(random);
            const int second = die(random) + die(random) + die(random);
            return second >= first ? second : first;
        }
        default:
            return die(random) + die(random) + die(random);
    }
}

void raise(Character& c, int ability, int value) {
    if (c.abilityFloor[ability] < value) {
        c.abilityFloor[ability] = toCounter(value);
    }
}

}  // namespace

int rollScore(int minimum, int method, Random& random, const TimeOfDayClock& clock) {
    random.reseedFromClock(clock);
    int result = rollOnce(method, random);
    while (result < minimum) {
        result = rollOnce(method, random);
    }
    return result;
}

void applyRaceTable(const CharacterOptions& options, Character& character) {
    if (options.race < 0 || options.race >= kRaceCount) {
        return;
    }
    const RaceRow& row = kRaceTable[options.race];
    character.abilityFloor = row.floor;
    character.racialAdjustment = row.adjustment;
}

void applyClassMinima(const CharacterOptions& options, Character& character) {
    Character& c = character;
    int count = 0;
    if (options.fighter) {
        ++count;
        raise(c, STR, 9);
    }
    if (options.paladin) {
        ++count;
        raise(c, STR, 12);
        raise(c, CON, 9);
        raise(c, WIS, 13);
        raise(c, CHA, 17);
    }
    if (options.ranger) {
        ++count;
        raise(c, STR, 13);
        raise(c, CON, 14);
        raise(c, WIS, 14);
        raise(c, DEX, 13);
    }
    if (options.mage) {
        ++count;
        raise(c, INT, 9);
    }
    if (options.specialist) {
        ++count;
        raise(c, INT, 9);
        if (const auto school = specialistSchool(options)) {
            const SchoolFloor& f = kSchoolFloors[*school];
            c.abilityFloor[f.ability] = f.floor;
        }
    }
    if (options.cleric) {
        ++count;
        raise(c, WIS, 9);
    }
    if (options.druid) {
        ++count;
        raise(c, WIS, 12);
        raise(c, CHA, 15);
    }
    if (options.thief) {
        ++count;
        raise(c, DEX, 9);
    }
    if (options.bard) {
        ++count;
        raise(c, DEX, 12);
        raise(c, CHA, 15);
        raise(c, INT, 13);
    }
    c.classCount = toCounter(count);
}

void rollAbility(int ability, const CharacterOptions& options, Character& character, Random& random,
                 const TimeOfDayClock& clock) {
    const int adjustment = character.racialAdjustment[ability];
    const int roll =
        rollScore(character.abilityFloor[ability] - adjustment, options.diceMethod, random, clock);
    character.abilityScore[ability] = roll + adjustment;
}

}  // namespace tavrel
