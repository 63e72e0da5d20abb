#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tavrel {

// Index orders shared by every rule, table and front end.
enum Race : int { Elf = 0, HalfElf, Dwarf, Human, Gnome, Halfling };
enum Ability : int { STR = 0, CON, DEX, INT, WIS, CHA };
enum SpecialistSchool : int {
    Abjurer = 0,
    Conjurer,
    Diviner,
    Enchanter,
    Illusionist,
    Invoker,
    Necromancer,
    Transmuter
};

inline constexpr int kRaceCount = 6;
inline constexpr int kAbilityCount = 6;
inline constexpr int kSchoolCount = 8;

inline constexpr std::array<std::string_view, kRaceCount> kRaceCaptions{
    "Elf", "Half-Elf", "Dwarf", "Human", "Gnome", "Halfling"};
inline constexpr std::array<std::string_view, kAbilityCount> kAbilityNames{"STR", "CON", "DEX",
                                                                           "INT", "WIS", "CHA"};
inline constexpr std::array<std::string_view, kSchoolCount> kSchoolCaptions{
    "Abjurer",     "Conjurer", "Diviner",     "Enchanter",
    "Illusionist", "Invoker",  "Necromancer", "Transmuter"};
inline constexpr std::array<std::string_view, 3> kLawChaosCaptions{"Lawful", "Neutral", "Chaotic"};
inline constexpr std::array<std::string_view, 3> kGoodEvilCaptions{"Good", "Neutral", "Evil"};
inline constexpr std::array<std::string_view, 2> kGenderCaptions{"Male", "Female"};
inline constexpr std::array<std::string_view, 3> kLevelRangeCaptions{"Low (1-5)", "Mid (6-10)",
                                                                     "High (11-15)"};
inline constexpr std::array<std::string_view, 3> kDiceMethodCaptions{
    "6 times 3d6 ", "6 times 4d6 drop lowest", "12 times 3d6 keep best six"};

// The user's choices, captured once at the start of a generation and read-only from then on.
// The engine accepts any combination of class flags: the options window may lift its rules.
struct CharacterOptions {
    int race = Elf;
    bool fighter = false;
    bool ranger = false;
    bool paladin = false;
    bool mage = false;
    bool specialist = false;
    std::optional<int> school;  // meaningful only with `specialist`
    bool cleric = false;
    bool druid = false;
    bool thief = false;
    bool bard = false;
    int lawChaos = 0;
    int goodEvil = 0;
    int gender = 0;
    int levelRange = 0;
    int diceMethod = 0;
    bool restrictionsLifted = false;

    bool operator==(const CharacterOptions&) const = default;
};

inline bool isWarrior(const CharacterOptions& o) {
    return o.fighter || o.ranger || o.paladin;
}
inline bool isWizard(const CharacterOptions& o) {
    return o.mage || o.specialist;
}
inline bool isPriest(const CharacterOptions& o) {
    return o.cleric || o.druid;
}
inline bool isRogue(const CharacterOptions& o) {
    return o.thief || o.bard;
}

// The specialist's school when it can index the school tables: a specialist captured without a
// valid school is treated as having none, so no table is read out of range.
inline std::optional<int> specialistSchool(const CharacterOptions& o) {
    if (o.specialist && o.school && *o.school >= 0 && *o.school < kSchoolCount) {
        return o.school;
    }
    return std::nullopt;
}

}  // namespace tavrel
