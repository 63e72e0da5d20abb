#include "thiefskills.h"

#include <algorithm>
#include <array>
#include <string>

#include "numbertext.h"

namespace tavrel {

namespace {

// Skill order of the thief's line, that of kRogueSkillLabels.
constexpr int kThiefSkillCount = kRogueSkillCount;
using ThiefSkills = std::array<int, kThiefSkillCount>;

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

RogueSkills thief(const CharacterOptions& o, const Character& c) {
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

    RogueSkills shown;
    for (int i = 0; i < kThiefSkillCount; ++i) {
        shown.skills[i] = {kRogueSkillLabels[i], skills[i]};
    }
    shown.count = kThiefSkillCount;
    return shown;
}

RogueSkills bard(const CharacterOptions& o, const Character& c) {
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
    return {{{{"PP", pickPockets}, {"DN", detectNoise}, {"CW", climbWalls}, {"RL", readLanguages}}},
            4};
}

RogueSkills ranger(const CharacterOptions& o, const Character& c) {
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
    return {{{{"HS", hide}, {"MS", move}}}, 2};
}

// "PP:26  OL:17 ...": each label with its value, two blanks before every label but the first.
void writeThiefLine(std::string& line, const RogueSkills& shown) {
    line.clear();
    for (int i = 0; i < shown.count; ++i) {
        if (i > 0) {
            line += "  ";
        }
        line += shown.skills[i].label;
        line += ':';
        appendNumber(line, shown.skills[i].value);
    }
}

}  // namespace

bool hasRogueClass(const CharacterOptions& o, std::string_view classWord) {
    return classWord == "thief"    ? o.thief
           : classWord == "Bard"   ? o.bard
           : classWord == "ranger" ? o.ranger
                                   : false;
}

RogueSkills rogueSkills(const CharacterOptions& options, const Character& character,
                        std::string_view classWord) {
    if (classWord == "thief") {
        return thief(options, character);
    }
    if (classWord == "Bard") {
        return bard(options, character);
    }
    if (classWord == "ranger") {
        return ranger(options, character);
    }
    return {};
}

RogueSkills shownRogueSkills(const CharacterOptions& options, const Character& character) {
    for (auto word = kRogueClassWords.rbegin(); word != kRogueClassWords.rend(); ++word) {
        if (hasRogueClass(options, *word)) {
            return rogueSkills(options, character, *word);
        }
    }
    return {};
}

void thiefabilities(const CharacterOptions& options, Character& c, std::string_view classWord) {
    const RogueSkills shown = rogueSkills(options, c, classWord);
    if (shown.count == 0) {
        return;
    }
    writeThiefLine(c.thiefLine, shown);
    if (classWord == "thief") {
        c.specialLine = "Backstab Multiplier:";
        appendNumber(c.specialLine, c.level / 4 + 2);
        if (c.level > 9) {
            c.scrollLine = "Can read priest and mage scrolls with a 25% chance of failure";
        }
    } else if (classWord == "Bard" && c.level > 9) {
        c.scrollLine = "Can read priest and mage scrolls with a 15% chance of failure";
    }
}

}  // namespace tavrel
