#pragma once

#include <string>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "driverstate.h"
#include "random.h"

namespace tavrel {

// Weapon slots, offered class list and "Specialize in" visibility; restarts a stopped fill.
void takeweapons(const CharacterOptions& options, Character& character, DriverState& state);

// The weapon step of one fill tick.
void weaponStep(const CharacterOptions& options, Character& character, Random& random);

// A single-classed fighter's specialization, drawn when the fill completes.
void drawSpecialization(Character& character, Random& random);

bool isWeaponListed(const Character& character, std::string_view text);

// The user's edits; none of them changes the fill's own counters.
void addWeapon(Character& character, std::string text);
void removeWeapon(Character& character, int row);
void clearWeapons(Character& character);
void specializeIn(Character& character, int warriorListIndex);

}  // namespace tavrel
