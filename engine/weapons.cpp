#include "weapons.h"

namespace tavrel {

// Placeholders until the weapon rules are built.
void takeweapons(const CharacterOptions&, Character&, DriverState& state) {
    if (state.fillInterval == 0) {
        state.fillInterval = 5;
    }
}
void weaponStep(const CharacterOptions&, Character&, Random&) {}
void drawSpecialization(Character&, Random&) {}
bool isWeaponListed(const Character&, std::string_view) { return false; }
void addWeapon(Character&, std::string) {}
void removeWeapon(Character&, int) {}
void clearWeapons(Character&) {}
void specializeIn(Character&, int) {}

}  // namespace tavrel
