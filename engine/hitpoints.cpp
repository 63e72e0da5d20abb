#include "hitpoints.h"

namespace tavrel {

namespace {

int warriorConAdjustment(int con) {
    if (con < 7) {
        return -1;
    }
    if (con < 15) {
        return 0;
    }
    return con - 14;  // 15: +1 ... 19: +5
}

int otherConAdjustment(int con) {
    if (con == 15) {
        return 1;
    }
    return con > 15 ? 2 : 0;
}

struct Group {
    int dieSides;
    int lastDieLevel;  // levelsRolled on entry up to which the die is rolled
    int fixedAddition;
    bool warrior;
};

constexpr Group kWarriorGroup{10, 9, 3, true};
constexpr Group kPriestGroup{8, 9, 2, false};
constexpr Group kRogueGroup{6, 10, 2, false};
constexpr Group kWizardGroup{4, 10, 1, false};

// The group is a template argument so that each group's die becomes a constant and the
// remainder a multiplication rather than a division, on every level of every character.
template <const Group& g>
void rollGroup(Character& c, Random& random) {
    const int rolled = c.levelsRolled;
    if (rolled <= g.lastDieLevel) {
        const int die = random.randomBelow(6500980) % g.dieSides + 1;
        // Each die share is truncated on its own before it is added.
        c.hitDiceTotal = toCounter(c.hitDiceTotal + die / c.classCount);
        const int con = c.abilityScore[CON];
        const int adj = g.warrior ? warriorConAdjustment(con) : otherConAdjustment(con);
        c.conHitPointTotal = toCounter(c.conHitPointTotal + adj);
    } else {
        c.hitDiceTotal = toCounter(c.hitDiceTotal + g.fixedAddition);
    }
}

}  // namespace

void rollhp(const CharacterOptions& options, Character& character, Random& random) {
    if (character.classCount <= 0) {
        return;
    }
    if (isWarrior(options)) {
        rollGroup<kWarriorGroup>(character, random);
    }
    if (isPriest(options)) {
        rollGroup<kPriestGroup>(character, random);
    }
    if (isRogue(options)) {
        rollGroup<kRogueGroup>(character, random);
    }
    if (isWizard(options)) {
        rollGroup<kWizardGroup>(character, random);
    }
}

int totalHitPoints(const Character& character) {
    if (character.classCount <= 0) {
        return character.hitDiceTotal;
    }
    // Integer division in C++ truncates toward zero, as the rules require.
    return character.conHitPointTotal / character.classCount + character.hitDiceTotal;
}

}  // namespace tavrel
