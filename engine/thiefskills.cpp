#include "thiefskills.h"

#include <algorithm>
#include <array>
#include <string>

#include "numbertext.h"

namespace tavrel {

namespace {

// Skill order of the thief's line: PP, OL, F/RT, MS, HS, DN, CW, RL.
constexpr int kThiefSkillCount = 8;
using ThiefSkills = std::array<int, kThiefSkillCount>;

constexpr std::array<std::string_view, kThiefSkillCount> kThiefLabels{
    "PP:", "  OL:", "  F/RT:", "  MS:", "  HS:", "  DN:", "  CW:", "  RL:"};

constexpr ThiefSkills kThiefBase{15, 10, 5, 10, 5, 15, 60, 0};

// Dexterity scores that change the skills; every other score changes nothing.
struct DexterityRow {
    int dexterity;
    ThiefSkills change;
};
constexpr std::array<DexterityRow, 8> kThiefDexterity{{
    {9, {-15, -10, -10, -20, -10, 0, 0, 0}},
    {10, {-10, -5, -10, -15, -5, 0, 0, 0}},
    {11, {-5, 0, -5, -10, 0, 0, 0, 0}},
    {12, {0, 0, 0, -5, 0, 0, 0, 0}},
    {16, {0, 5, 0, 0, 0, 0, 0, 0}},
    {17, {5, 10, 0, 5, 5, 0, 0, 0}},
    {18, {10, 15, 5, 10, 10, 0, 0, 0}},
    {19, {15, 20, 10, 15, 15, 0, 0, 0}},
}};

constexpr std::array<ThiefSkills, kRaceCount> kThiefRace{{
    {5, -5, 0, 5, 10, 5, 0, 0},     // Elf
    {10, 0, 0, 0, 5, 0, 0, 0},      // Half-Elf
    {0, 10, 15, 0, 0, 0, -10, -5},  // Dwarf
    {0, 0, 0, 0, 0, 0, 0, 0},       // Human
    {0, 5, 10, 5, 5, 10, -15, 0},   // Gnome
    {5, 5, 5, 10, 15, 5, -15, -5},  // Halfling
}};

struct BardDexterity {
    int dexterity;
    int pickPockets;
};
constexpr std::array<BardDexterity, 5> kBardDexterity{
    {{9, -15}, {10, -10}, {11, -5}, {17, 5}, {18, 10}}};

struct RangerDexterity {
    int dexterity;
    int hide;
    int move;
};
constexpr std::array<RangerDexterity, 7> kRangerDexterity{{{9, -10, -20},
                                                           {10, -5, -15},
                                                           {11, 0, -10},
                                                           {12, 0, -5},
                                                           {17, 5, 5},
                                                           {18, 10, 10},
                                                           {19, 15, 15}}};

constexpr int kRangerSkillLimit = 99;

bool inRaceTable(int race) {
    return race >= 0 && race < kRaceCount;
}

template <typename Row, std::size_t N>
const Row* rowFor(const std::array<Row, N>& rows, int dexterity) {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [dexterity](const Row& r) { return r.dexterity == dexterity; });
    return it == rows.end() ? nullptr : &*it;
}

void thief(const CharacterOptions& o, Character& c) {
    ThiefSkills skills = kThiefBase;
    if (const DexterityRow* row = rowFor(kThiefDexterity, c.abilityScore[DEX])) {
        for (int i = 0; i < kThiefSkillCount; ++i) {
            skills[i] += row->change[i];
        }
    }
    if (inRaceTable(o.race)) {
        for (int i = 0; i < kThiefSkillCount; ++i) {
            skills[i] += kThiefRace[static_cast<std::size_t>(o.race)][i];
        }
    }
    // Level points are spread evenly; what does not divide by eight goes to pick pockets.
    const int points = 30 * c.level + 30;
    for (int& skill : skills) {
        skill += points / kThiefSkillCount;
    }
    skills[0] += points % kThiefSkillCount;

    std::string& line = c.thiefLine;
    line.clear();
    for (int i = 0; i < kThiefSkillCount; ++i) {
        line += kThiefLabels[i];
        appendNumber(line, skills[i]);
    }
    c.specialLine = "Backstab Multiplier:";
    appendNumber(c.specialLine, c.level / 4 + 2);
    if (c.level > 9) {
        c.scrollLine = "Can read priest and mage scrolls with a 25% chance of failure";
    }
}

void bard(const CharacterOptions& o, Character& c) {
    int pickPockets = 10;
    int detectNoise = 20;
    int climbWalls = 50;
    int readLanguages = 5;
    if (const BardDexterity* row = rowFor(kBardDexterity, c.abilityScore[DEX])) {
        pickPockets += row->pickPockets;
    }
    if (o.race == HalfElf) {
        pickPockets += 10;
    }
    const int points = 15 * (c.level - 1) + 20;
    const int share = points / 4;
    pickPockets += share + points % 4;
    detectNoise += share;
    climbWalls += share;
    readLanguages += share;

    std::string& line = c.thiefLine;
    line = "PP:";
    appendNumber(line, pickPockets);
    line += "  DN:";
    appendNumber(line, detectNoise);
    line += "  CW:";
    appendNumber(line, climbWalls);
    line += "  RL:";
    appendNumber(line, readLanguages);
    if (c.level > 9) {
        c.scrollLine = "Can read priest and mage scrolls with a 15% chance of failure";
    }
}

void ranger(const CharacterOptions& o, Character& c) {
    int hide = 0;
    int move = 0;
    if (const RangerDexterity* row = rowFor(kRangerDexterity, c.abilityScore[DEX])) {
        hide += row->hide;
        move += row->move;
    }
    if (o.race == HalfElf) {
        hide += 5;
    } else if (o.race == Elf) {
        hide += 10;
        move += 5;
    }
    hide += 5;
    move += 9;
    for (int i = 1; i <= c.level; ++i) {
        const int extra = (i > 4 ? 1 : 0) + (i > 8 ? 1 : 0) + (i > 12 ? 1 : 0);
        hide += 5 + extra;
        move += 6 + extra + (i == 6 ? 1 : 0);
    }
    // Only the ranger's skills are held below 100; low values stay as they are.
    hide = std::min(hide, kRangerSkillLimit);
    move = std::min(move, kRangerSkillLimit);
    std::string& line = c.thiefLine;
    line = "HS:";
    appendNumber(line, hide);
    line += "  MS:";
    appendNumber(line, move);
}

}  // namespace

void thiefabilities(const CharacterOptions& options, Character& character,
                    std::string_view classWord) {
    if (classWord == "thief") {
        thief(options, character);
    } else if (classWord == "Bard") {
        bard(options, character);
    } else if (classWord == "ranger") {
        ranger(options, character);
    }
}

}  // namespace tavrel
