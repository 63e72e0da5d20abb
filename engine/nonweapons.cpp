#include "nonweapons.h"

namespace tavrel {

// Placeholders until the non-weapon rules are built.
void maxnonweapon(const CharacterOptions&, Character&) {}
void nonWeaponStep(const CharacterOptions&, Character&, Random&) {}
bool isNonWeaponListed(const Character&, std::string_view) { return false; }
void addNonWeapons(Character&, const std::array<std::string_view, 5>&) {}
void deleteNonWeapon(Character&, int) {}
void clearNonWeapons(Character&) {}

}  // namespace tavrel
