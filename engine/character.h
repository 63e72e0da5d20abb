#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "characteroptions.h"

namespace tavrel {

// The generated character, display lines included. Small counters are signed 8-bit as in the
// record; rules compute in int and store back. Zero-initialised, as at program start.
struct Character {
    // Identity and level
    std::string name;
    std::int8_t level = 0;
    std::int8_t classCount = 0;

    // Abilities
    std::array<std::int8_t, kAbilityCount> abilityFloor{};
    std::array<std::int8_t, kAbilityCount> racialAdjustment{};
    std::array<int, kAbilityCount> abilityScore{};  // 0 = not rolled yet, else 3..19
    int exceptionalStrength = -1;                   // -1 = none, 0 stands for "00", else 1..99
    std::int8_t revealTick = 0;

    // Hit points
    std::int8_t hitDiceTotal = 0;
    std::int8_t conHitPointTotal = 0;
    std::int8_t levelsRolled = 0;
    int hitPoints = 0;

    // Armour
    std::int8_t armourClass = 0;

    // Proficiencies
    std::int8_t weaponSlots = 0;
    std::int8_t weaponSlotsFilled = 0;
    std::int8_t nonWeaponSlots = 0;
    std::int8_t nonWeaponSlotsUsed = 0;
    std::vector<std::string> weapons;
    std::vector<std::string> nonWeapons;

    // Display lines, composed by the engine and shown or written as they stand
    std::string alignmentLine;
    std::string raceLine;
    std::string genderLine;
    std::string classLine;
    std::string levelLine;
    std::string hitPointsLine;
    std::string armourLine;
    std::string thiefLine;
    std::string specialLine;
    std::string scrollLine;
    std::string wizardSpellsLine;
    std::string priestSpellsLine;

    bool operator==(const Character&) const = default;
};

// An ability score as every view shows it: blank until it is rolled.
inline std::string scoreText(int score) {
    return score == 0 ? std::string() : std::to_string(score);
}

// The exceptional strength after the slash: blank for none, "00" for the top roll.
inline std::string exceptionalStrengthText(int exceptional) {
    if (exceptional < 0) {
        return {};
    }
    return exceptional == 0 ? std::string("00") : std::to_string(exceptional);
}

// Strength with its exceptional part, "18/00", as the sheet and the text output show it.
inline std::string strengthText(const Character& c) {
    const std::string exceptional = exceptionalStrengthText(c.exceptionalStrength);
    std::string text = scoreText(c.abilityScore[STR]);
    if (!exceptional.empty()) {
        text += '/';
        text += exceptional;
    }
    return text;
}

// Stores an int into an 8-bit counter. The rules keep every counter within its range; the
// conversion is explicit so that wrap-around could never hide behind an implicit narrowing.
inline std::int8_t toCounter(int value) {
    return static_cast<std::int8_t>(value);
}

}  // namespace tavrel
