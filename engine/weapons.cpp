#include "weapons.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "textlist.h"

namespace tavrel {

namespace {

constexpr std::string_view kWarriorWeapons[] = {"Arquebus ",
                                                "Battle axe",
                                                "Blowgun",
                                                "Short bow",
                                                "Long bow ",
                                                "Club",
                                                "Hand crossbow ",
                                                "Light crossbow",
                                                "Heavy crossbow",
                                                "Dagger",
                                                "Dart",
                                                "Footman's flail ",
                                                "Footman's mace ",
                                                "Footman's pick",
                                                "Hand or throwing axe",
                                                "Harpoon",
                                                "Horseman's flail ",
                                                "Horseman's mace ",
                                                "Horseman's pick",
                                                "Javelin",
                                                "Knife",
                                                "Heavy horse lance ",
                                                "Light horse lance ",
                                                "Jousting lance",
                                                "Medium horse lance",
                                                "Mancatcher ",
                                                "Morning star",
                                                "Halberd",
                                                "Military fork ",
                                                "Quarterstaff",
                                                "Scourge",
                                                "Sickle",
                                                "Sling",
                                                "Spear",
                                                "Staff sling",
                                                "Bastard Sword",
                                                "Broad Sword",
                                                "Khopesh",
                                                "Long Sword",
                                                "Scimitar",
                                                "Short Sword",
                                                "Two-handed Sword",
                                                "Trident",
                                                "Warhammer",
                                                "Whip"};
static_assert(std::size(kWarriorWeapons) == 45);

constexpr std::string_view kThiefWeapons[] = {
    "Blowgun", "Short bow", "Club",        "Hand crossbow ", "Dagger",     "Dart",       "Knife",
    "Sling",   "Spear",     "Broad Sword", "Lasso",          "Long Sword", "Short Sword"};
static_assert(std::size(kThiefWeapons) == 13);

constexpr std::string_view kPriestWeapons[] = {"Club",
                                               "Footman's flail ",
                                               "Footman's mace ",
                                               "Horseman's flail ",
                                               "Horseman's mace ",
                                               "Quarterstaff",
                                               "Sling",
                                               "Staff sling",
                                               "Warhammer"};
static_assert(std::size(kPriestWeapons) == 9);

constexpr std::string_view kDruidWeapons[] = {"Club",   "Sickle",   "Dart",  "Spear",
                                              "Dagger", "Scimitar", "Sling", "Staff"};
static_assert(std::size(kDruidWeapons) == 8);

constexpr std::string_view kMageWeapons[] = {"Dagger",       "Dart",        "Knife",
                                             "Quarterstaff", "SlingStaff ", "Sling"};
static_assert(std::size(kMageWeapons) == 6);

// The lists one fill tick draws from, in draw order. A priest class suppresses the Thief,
// Warrior and Mage draws of the same character, but not a bard's Warrior draw.
struct WeaponDraws {
    std::array<WeaponList, 6> lists{};
    int count = 0;

    void addIf(bool applies, WeaponList list) {
        if (applies) {
            lists[static_cast<std::size_t>(count++)] = list;
        }
    }
    std::span<const WeaponList> view() const& {
        return std::span(lists).first(static_cast<std::size_t>(count));
    }
    // A view of a temporary would dangle, for instance as the range of a for loop.
    void view() const&& = delete;
};

WeaponDraws weaponDrawsFor(const CharacterOptions& o) {
    const bool priest = isPriest(o);
    WeaponDraws draws;
    draws.addIf(o.thief && !priest, WeaponList::Thief);
    draws.addIf(o.bard, WeaponList::Warrior);
    draws.addIf(isWarrior(o) && !priest, WeaponList::Warrior);
    draws.addIf(o.druid, WeaponList::Druid);
    draws.addIf(o.cleric, WeaponList::Priest);
    draws.addIf(isWizard(o) && !priest, WeaponList::Mage);
    return draws;
}

// Every list holds each weapon once, so a list can be wholly listed only when `weapons` has at
// least as many entries; the end test of most fill ticks is settled by that count alone.
constexpr bool allDifferent(std::span<const std::string_view> entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            if (entries[i] == entries[j]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(allDifferent(kWarriorWeapons) && allDifferent(kThiefWeapons) &&
              allDifferent(kPriestWeapons) && allDifferent(kDruidWeapons) &&
              allDifferent(kMageWeapons));

bool wholeListListed(const Character& c, WeaponList list) {
    const auto entries = weaponListEntries(list);
    if (c.weapons.size() < entries.size()) {
        return false;
    }
    return std::all_of(entries.begin(), entries.end(),
                       [&](std::string_view e) { return isWeaponListed(c, e); });
}

}  // namespace

std::span<const std::string_view> weaponListEntries(WeaponList list) {
    switch (list) {
        case WeaponList::Warrior:
            return kWarriorWeapons;
        case WeaponList::Mage:
            return kMageWeapons;
        case WeaponList::Thief:
            return kThiefWeapons;
        case WeaponList::Priest:
            return kPriestWeapons;
        case WeaponList::Druid:
            return kDruidWeapons;
    }
    return {};
}

bool weaponListTakesTypedText(WeaponList list) {
    return list != WeaponList::Druid;
}

std::optional<int> warriorEntryIndex(std::string_view text) {
    const auto* found = std::find(std::begin(kWarriorWeapons), std::end(kWarriorWeapons), text);
    if (found == std::end(kWarriorWeapons)) {
        return std::nullopt;
    }
    return static_cast<int>(found - std::begin(kWarriorWeapons));
}

void takeweapons(const CharacterOptions& o, Character& c, DriverState& state) {
    // Later rules overwrite earlier ones: a multi-classed character gets the count of its
    // strongest group, not a sum.
    const int level = c.level;
    int slots = c.weaponSlots;
    if (isWizard(o)) {
        slots = level / 6 + 1;
    }
    if (o.cleric || o.druid || o.thief || o.bard) {
        slots = level / 4 + 2;
    }
    if (isWarrior(o)) {
        slots = level / 3 + 4;
    }
    // The two slots a single-classed fighter gives up pay for the specialization weapon.
    if (o.fighter && c.classCount == 1) {
        slots -= 2;
        state.specializeVisible = true;
    }
    c.weaponSlots = toCounter(slots);

    if (isWizard(o)) {
        state.offeredList = WeaponList::Mage;
    }
    if (o.bard) {
        state.offeredList = WeaponList::Warrior;
    }
    if (o.thief) {
        state.offeredList = WeaponList::Thief;
    }
    if (isWarrior(o)) {
        state.offeredList = WeaponList::Warrior;
    }
    if (o.cleric) {
        state.offeredList = WeaponList::Priest;
    }
    if (o.druid) {
        state.offeredList = WeaponList::Druid;
    }

    if (state.fillInterval == 0) {
        state.fillInterval = 5;
    }
}

void weaponStep(const CharacterOptions& o, Character& c, Random& random) {
    // Once the slots are full no list draws, and most fill ticks come after that.
    if (c.weaponSlotsFilled >= c.weaponSlots) {
        return;
    }
    const WeaponDraws draws = weaponDrawsFor(o);
    for (const WeaponList list : draws.view()) {
        // The slot test comes before every draw, so the fill never takes more than its slots.
        if (c.weaponSlotsFilled >= c.weaponSlots) {
            return;
        }
        const auto entries = weaponListEntries(list);
        const std::string_view entry =
            entries[static_cast<std::size_t>(random.randomBelow(static_cast<int>(entries.size())))];
        // A duplicate draw is dropped, not repeated: one draw per list and tick.
        if (!isWeaponListed(c, entry)) {
            c.weapons.emplace_back(entry);
            c.weaponSlotsFilled = toCounter(c.weaponSlotsFilled + 1);
        }
    }
}

bool weaponFillComplete(const CharacterOptions& o, const Character& c) {
    if (c.weaponSlotsFilled == c.weaponSlots) {
        return true;
    }
    // More slots than the drawable lists hold (a fighter/druid at level 15 has 9 slots and 8
    // Druid weapons), or the user added the rest by hand: no draw can ever add anything, so
    // waiting for the slots would keep the fill ticking forever.
    const auto draws = weaponDrawsFor(o);
    const auto lists = draws.view();
    return std::all_of(lists.begin(), lists.end(),
                       [&](WeaponList list) { return wholeListListed(c, list); });
}

void drawSpecialization(Character& c, Random& random) {
    // With every Warrior weapon already a proficiency there is nothing to draw; the line keeps
    // what it held rather than the draw looping forever.
    const auto unlisted = [&](std::string_view e) { return !isWeaponListed(c, e); };
    if (std::none_of(std::begin(kWarriorWeapons), std::end(kWarriorWeapons), unlisted)) {
        return;
    }
    const int n = static_cast<int>(std::size(kWarriorWeapons));
    for (;;) {
        const std::string_view entry = kWarriorWeapons[random.randomBelow(n)];
        if (unlisted(entry)) {
            c.specialLine = std::string(kSpecializationPrefix) + std::string(entry);
            return;
        }
    }
}

bool isWeaponListed(const Character& c, std::string_view text) {
    return isListed(c.weapons, text);
}

void addWeapon(Character& c, std::string text) {
    c.weapons.push_back(std::move(text));
}

void removeWeapon(Character& c, int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < c.weapons.size()) {
        c.weapons.erase(c.weapons.begin() + row);
    }
}

void clearWeapons(Character& c) {
    c.weapons.clear();
}

void specializeIn(Character& c, int warriorListIndex) {
    if (warriorListIndex >= 0 &&
        static_cast<std::size_t>(warriorListIndex) < std::size(kWarriorWeapons)) {
        c.specialLine =
            std::string(kSpecializationPrefix) + std::string(kWarriorWeapons[warriorListIndex]);
    }
}

}  // namespace tavrel
