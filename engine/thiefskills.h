#pragma once

#include <array>
#include <string_view>

#include "character.h"
#include "characteroptions.h"

namespace tavrel {

// The labels of the rogue skills in the order of the thief's line: PP, OL, F/RT, MS, HS, DN, CW,
// RL. The bard's and the ranger's lines show some of them, in their own order.
inline constexpr int kRogueSkillCount = 8;
inline constexpr std::array<std::string_view, kRogueSkillCount> kRogueSkillLabels{
    "PP", "OL", "F/RT", "MS", "HS", "DN", "CW", "RL"};

// The class words in the order the driver passes them to thiefabilities, each only when its
// class is set; each call rewrites the thief line, so the last one set is the line shown.
inline constexpr std::array<std::string_view, 3> kRogueClassWords{"Bard", "ranger", "thief"};
bool hasRogueClass(const CharacterOptions& options, std::string_view classWord);

// The skills of one class word as its thief line shows them, in the line's order; none for a
// word other than "thief", "Bard" and "ranger". Values are percentages without any limit but
// the ranger's.
struct RogueSkill {
    std::string_view label;  // one of kRogueSkillLabels
    int value = 0;
};
struct RogueSkills {
    std::array<RogueSkill, kRogueSkillCount> skills{};
    int count = 0;
};
RogueSkills rogueSkills(const CharacterOptions& options, const Character& character,
                        std::string_view classWord);

// The skills on the thief line of a character at the end of its reveal: those of the last class
// word the driver passed, none for a character without thief, bard or ranger. They depend only on
// the race, the level and the dexterity, which nothing changes after the reveal.
RogueSkills shownRogueSkills(const CharacterOptions& options, const Character& character);

// Rogue skills for the class word "thief", "Bard" or "ranger" (matched case-sensitively; any
// other word changes nothing): the thief line from rogueSkills, and the backstab and scroll
// lines.
void thiefabilities(const CharacterOptions& options, Character& character,
                    std::string_view classWord);

}  // namespace tavrel
