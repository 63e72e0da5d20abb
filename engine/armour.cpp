#include "armour.h"

#include <algorithm>
#include <string>

#include "numbertext.h"

namespace tavrel {

namespace {

// Adjustment for DEX 3 .. 18; lower scores cannot be rolled and are treated as 3, higher ones
// (19 after a racial bonus) as 18.
constexpr int kLowestDexterity = 3;
constexpr std::array<int, 16> kDexterityAdjustment{4,  3,  2,  1,              // 3 .. 6
                                                   0,  0,  0,  0, 0, 0, 0, 0,  // 7 .. 14
                                                   -1, -2, -3, -4};            // 15 .. 18

// What the armour line puts before the armour, and what armourTypeText looks for.
constexpr std::string_view kArmourTypeLabel = "Armor type: ";

// What a block has chosen so far. The text is kept as its parts, not composed, because a later
// block may replace it and the line is written only once, at the end.
struct Armour {
    int armourClass = 10;   // unarmoured; also the start when no class flag is set at all
    std::string_view type;  // empty: no armour text
    bool shield = false;
};

void wear(Armour& a, int index) {
    a.armourClass = index + 1;
    a.type = kArmourTexts[static_cast<std::size_t>(index)];
    a.shield = false;
}

void addShield(Armour& a) {
    a.shield = true;
    a.armourClass -= 1;
}

}  // namespace

int dexterityArmourAdjustment(int dexterity) {
    const int last = static_cast<int>(kDexterityAdjustment.size()) - 1;
    const int index = std::clamp(dexterity - kLowestDexterity, 0, last);
    return kDexterityAdjustment[static_cast<std::size_t>(index)];
}

// Each block that applies replaces what an earlier one chose, and draws only where it says so,
// so that a seed always gives the same armour.
void setac(const CharacterOptions& o, Character& character, Random& random) {
    const int dexterity = character.abilityScore[DEX];
    if (dexterity == 0) {
        return;
    }
    Armour a;

    if (o.fighter || o.ranger || o.paladin || o.bard || o.cleric) {
        wear(a, random.randomBelow(6) + 2);  // Plate mail .. Leather or padded armor
        if (!o.bard) {
            // The shield draw is made but every result passes: these classes always carry one.
            random.randomBelow(3);
            addShield(a);
        }
    }
    if (o.thief) {
        wear(a, random.randomBelow(2) + 6);  // Studded leather or Leather, never a shield
    }
    if (o.druid) {
        wear(a, random.randomBelow(3) + 5);  // Scale mail .. Leather
        if (random.randomBelow(4) < 3) {
            addShield(a);
        }
    }
    if (o.specialist || o.mage) {
        a = Armour{};
        if (o.fighter && random.randomBelow(5) < 4) {
            a.type = "Shield";
            a.armourClass = 9;
        }
    }

    a.armourClass += dexterityArmourAdjustment(dexterity);
    character.armourClass = toCounter(a.armourClass);
    std::string& line = character.armourLine;
    line = "Armor class: ";
    appendNumber(line, a.armourClass);
    line += "     ";
    if (!a.type.empty()) {
        line += kArmourTypeLabel;
        line += a.type;
        if (a.shield) {
            line += " and shield";
        }
    }
}

std::string_view armourTypeText(const Character& character) {
    const std::string_view line = character.armourLine;
    const std::size_t at = line.find(kArmourTypeLabel);
    return at == std::string_view::npos ? std::string_view{}
                                        : line.substr(at + kArmourTypeLabel.size());
}

}  // namespace tavrel
