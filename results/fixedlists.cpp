#include "fixedlists.h"

#include <array>

namespace tavrel {

namespace {

// Interim copies until the engine exposes its own tables.
constexpr std::array<std::string_view, 45> kWarrior{"Arquebus ",
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
constexpr std::array<std::string_view, 6> kMage{"Dagger",       "Dart",        "Knife",
                                                "Quarterstaff", "SlingStaff ", "Sling"};
constexpr std::array<std::string_view, 13> kThief{
    "Blowgun", "Short bow", "Club",        "Hand crossbow ", "Dagger",     "Dart",       "Knife",
    "Sling",   "Spear",     "Broad Sword", "Lasso",          "Long Sword", "Short Sword"};
constexpr std::array<std::string_view, 9> kPriest{"Club",
                                                  "Footman's flail ",
                                                  "Footman's mace ",
                                                  "Horseman's flail ",
                                                  "Horseman's mace ",
                                                  "Quarterstaff",
                                                  "Sling",
                                                  "Staff sling",
                                                  "Warhammer"};
constexpr std::array<std::string_view, 8> kDruid{"Club",   "Sickle",   "Dart",  "Spear",
                                                 "Dagger", "Scimitar", "Sling", "Staff"};

constexpr std::array<std::string_view, 30> kGeneral{"",
                                                    "Mining",
                                                    "Riding, Airborne",
                                                    "Agriculture",
                                                    "Animal Handling",
                                                    "Animal Training",
                                                    "Artistic Ability",
                                                    "Blacksmithing",
                                                    "Brewing",
                                                    "Carpentry",
                                                    "Cobbling",
                                                    "Cooking",
                                                    "Dancing",
                                                    "Direction Sense",
                                                    "Etiquette",
                                                    "Fire-building",
                                                    "Fishing",
                                                    "Heraldry",
                                                    "Languages, Modern",
                                                    "Leatherworking",
                                                    "Pottery",
                                                    "Riding, Land-based",
                                                    "Rope Use",
                                                    "Seamanship",
                                                    "Seamstress/Tailor",
                                                    "Singing",
                                                    "Stonemasonry",
                                                    "Swimming",
                                                    "Weather Sense",
                                                    "Weaving"};
constexpr std::array<std::string_view, 13> kPriestGroup{"",
                                                        "Ancient History",
                                                        "Astrology",
                                                        "Engineering",
                                                        "Healing",
                                                        "Herbalism",
                                                        "Languages, Ancient",
                                                        "Local History",
                                                        "Musical Instrument",
                                                        "Navigation",
                                                        "Reading/Writing",
                                                        "Religion",
                                                        "Spellcraft"};
constexpr std::array<std::string_view, 17> kRogueGroup{"",
                                                       "Ancient History",
                                                       "Appraising",
                                                       "Blind-fighting",
                                                       "Disguise",
                                                       "Forgery",
                                                       "Gaming",
                                                       "Gem Cutting",
                                                       "Juggling ",
                                                       "Jumping",
                                                       "Local History",
                                                       "Musical Instrument",
                                                       "Reading Lips",
                                                       "Set Snares",
                                                       "Tightrope Walking",
                                                       "Tumbling",
                                                       "Ventriloquism"};
constexpr std::array<std::string_view, 16> kWarriorGroup{
    "",           "Animal Lore", "Armorer",  "Blind-fighting ", "Bowyer/Fletcher", "Charioteering",
    "Endurance",  "Gaming",      "Hunting",  "Mountaineering",  "Navigation",      "Running",
    "Set Snares", "Survival",    "Tracking", "Weaponsmithing"};
constexpr std::array<std::string_view, 11> kWizardGroup{
    "",          "Ancient History",    "Astrology",  "Engineering",      "Gem Cutting",
    "Herbalism", "Languages, Ancient", "Navigation", "Reading/ Writing", "Religion",
    "Spellcraft"};

constexpr std::array<std::string_view, 8> kArmour{"Full plate",
                                                  "Field plate",
                                                  "Plate mail",
                                                  "Banded mail, or Bronze plate mail",
                                                  "Chain mail",
                                                  "Scale mail, or Hide armor",
                                                  "Studded leather, or Ring mail armor ",
                                                  "Leather or padded armor"};

}  // namespace

std::span<const std::string_view> offeredWeaponEntries(WeaponList list) {
    switch (list) {
        case WeaponList::Warrior:
            return kWarrior;
        case WeaponList::Mage:
            return kMage;
        case WeaponList::Thief:
            return kThief;
        case WeaponList::Priest:
            return kPriest;
        case WeaponList::Druid:
            return kDruid;
    }
    return {};
}

std::span<const std::string_view> nonWeaponGroupList(int group) {
    switch (group) {
        case 0:
            return kGeneral;
        case 1:
            return kPriestGroup;
        case 2:
            return kRogueGroup;
        case 3:
            return kWarriorGroup;
        case 4:
            return kWizardGroup;
        default:
            return {};
    }
}

std::span<const std::string_view> armourTexts() {
    return kArmour;
}

}  // namespace tavrel
