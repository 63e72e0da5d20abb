#pragma once

#include <array>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "random.h"

namespace tavrel {

inline constexpr int kArmourCount = 8;

// The armour names in the order of the results window's hidden armour list. The armour class an
// entry gives is its index + 1. Texts are kept byte for byte: Studded leather ends in a blank.
inline constexpr std::array<std::string_view, kArmourCount> kArmourTexts{
    "Full plate",
    "Field plate",
    "Plate mail",
    "Banded mail, or Bronze plate mail",
    "Chain mail",
    "Scale mail, or Hide armor",
    "Studded leather, or Ring mail armor ",
    "Leather or padded armor"};

// The change dexterity makes to the armour class: +4 at 3 down to -4 at 18 and above.
int dexterityArmourAdjustment(int dexterity);

// Picks body armour and shield for the classes, adjusts by dexterity and writes
// armourClass and armourLine. Does nothing while DEX has not been rolled.
void setac(const CharacterOptions& options, Character& character, Random& random);

// The armour the armour line names ("Chain mail and shield", "Shield"), or empty when it names
// none. The record keeps no armour field: setac draws it and leaves it only in the line.
std::string_view armourTypeText(const Character& character);

}  // namespace tavrel
