#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "driverstate.h"
#include "random.h"

namespace tavrel {

inline constexpr std::string_view kSpecializationPrefix = "Weapon specialization in: ";

// The entries of a class weapon list in list order, exactly as stored (trailing blanks are part
// of an entry). The Warrior list has 45 entries.
std::span<const std::string_view> weaponListEntries(WeaponList list);

// Whether the user may type a weapon into the list's box, or only pick one of its entries: every
// class list takes typed text except the druids', whose weapons are fixed.
bool weaponListTakesTypedText(WeaponList list);

// The position of `text` in the Warrior list when it is exactly one of its entries, trailing
// blanks included: only such an entry can be a specialization, so "Long bow" (the entry is
// "Long bow ") and any other typed text name none.
std::optional<int> warriorEntryIndex(std::string_view text);

// Weapon slots, offered class list and "Specialize in" visibility; restarts a stopped fill.
void takeweapons(const CharacterOptions& options, Character& character, DriverState& state);

// The weapon step of one fill tick.
void weaponStep(const CharacterOptions& options, Character& character, Random& random);

// The weapon half of the fill's end test: every slot is filled, or nothing is left to draw
// because every list the weapon step draws from is already wholly in `weapons`.
bool weaponFillComplete(const CharacterOptions& options, const Character& character);

// A single-classed fighter's specialization, drawn when the fill completes.
void drawSpecialization(Character& character, Random& random);

bool isWeaponListed(const Character& character, std::string_view text);

// The user's edits; none of them changes the fill's own counters. A row or list index out of
// range does nothing.
void addWeapon(Character& character, std::string text);
void removeWeapon(Character& character, int row);
void clearWeapons(Character& character);
void specializeIn(Character& character, int warriorListIndex);

}  // namespace tavrel
