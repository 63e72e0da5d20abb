#pragma once

#include <array>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "random.h"

namespace tavrel {

// Non-weapon slots from intelligence, class groups and level.
void maxnonweapon(const CharacterOptions& options, Character& character);

// The non-weapon step of one fill tick.
void nonWeaponStep(const CharacterOptions& options, Character& character, Random& random);

bool isNonWeaponListed(const Character& character, std::string_view text);

// The user's edits; none of them changes the fill's own counters. The choices are the
// selections of the General, Priest, Rogue, Warrior and Wizard lists, in that order.
void addNonWeapons(Character& character, const std::array<std::string_view, 5>& choices);
void deleteNonWeapon(Character& character, int row);
void clearNonWeapons(Character& character);

}  // namespace tavrel
