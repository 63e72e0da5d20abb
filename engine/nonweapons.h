#pragma once

#include <array>
#include <span>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "random.h"

namespace tavrel {

// The five non-weapon group lists, in the order the results window shows them and
// `addNonWeapons` visits them.
enum class NonWeaponGroup { General, Priest, Rogue, Warrior, Wizard };

inline constexpr std::array<NonWeaponGroup, 5> kNonWeaponGroups{
    NonWeaponGroup::General, NonWeaponGroup::Priest, NonWeaponGroup::Rogue, NonWeaponGroup::Warrior,
    NonWeaponGroup::Wizard};

// A group's name, as its list is captioned.
constexpr std::string_view nonWeaponGroupName(NonWeaponGroup group) {
    switch (group) {
        case NonWeaponGroup::General:
            return "General";
        case NonWeaponGroup::Priest:
            return "Priest";
        case NonWeaponGroup::Rogue:
            return "Rogue";
        case NonWeaponGroup::Warrior:
            return "Warrior";
        case NonWeaponGroup::Wizard:
            return "Wizard";
    }
    return {};
}

// A group list as stored: position 0 is the blank entry that stands for no choice, the named
// entries follow from position 1, exactly as written (trailing blanks are part of an entry).
std::span<const std::string_view> nonWeaponGroupEntries(NonWeaponGroup group);

// The slots the automatic fill spends when it takes the entry at `position` of `group`. The
// cost belongs to the position, not the text. The blank entry, a position out of range and the
// Priest list (which the fill never draws from) cost 0.
int nonWeaponCost(NonWeaponGroup group, int position);

// Non-weapon slots from intelligence, class groups and level.
void maxnonweapon(const CharacterOptions& options, Character& character);

// The non-weapon step of one fill tick.
void nonWeaponStep(const CharacterOptions& options, Character& character, Random& random);

bool isNonWeaponListed(const Character& character, std::string_view text);

// The user's edits; none of them changes the fill's own counters. The choices are the
// selections of the General, Priest, Rogue, Warrior and Wizard lists, in that order; blank
// choices are skipped. A row out of range does nothing.
void addNonWeapons(Character& character, const std::array<std::string_view, 5>& choices);
void deleteNonWeapon(Character& character, int row);
void clearNonWeapons(Character& character);

}  // namespace tavrel
