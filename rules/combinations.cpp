// The multi-class combination rules, one chain per race. Each chain reads the ticks as they
// stand when it starts; a reset inside a chain may nest further reactions, and the chain's own
// later steps (if any) still run afterwards.
#include "eligibility.h"

namespace tavrel {

using enum ClassBox;

void EligibilityModel::checkres() {
    if (m_restrictionsActive != 1) {
        return;
    }
    switch (m_race) {
        case Elf:
            checkresElf();
            break;
        case HalfElf:
            checkresHalfElf();
            break;
        case Dwarf:
            checkresDwarf();
            break;
        case Human:
            checkresHuman();
            break;
        case Gnome:
            checkresGnome();
            break;
        case Halfling:
            checkresHalfling();
            break;
        default:
            break;
    }
}

// Elf: the first row that holds applies, and no other.
void EligibilityModel::checkresElf() {
    if (ticked(Fighter) && !ticked(Thief) && !ticked(Mage)) {
        if (!lawfulGood()) {
            offer(Thief);
        }
        offer(Mage);
        withdraw(Ranger, excludedBy(Fighter));
        withdraw(Cleric, excludedBy(Fighter));
        withdraw(Specialist, excludedBy(Fighter));
    } else if (ticked(Mage)) {
        for (ClassBox b : {Thief, Ranger, Cleric, Specialist})
            withdraw(b, excludedBy(Mage));
    } else if (ticked(Thief)) {
        for (ClassBox b : {Mage, Ranger, Cleric, Specialist})
            withdraw(b, excludedBy(Thief));
    } else if (ticked(Ranger)) {
        for (ClassBox b : {Fighter, Thief, Mage, Cleric, Specialist})
            withdraw(b, excludedBy(Ranger));
    } else if (ticked(Cleric)) {
        for (ClassBox b : {Fighter, Thief, Mage, Ranger, Specialist})
            withdraw(b, excludedBy(Cleric));
    } else if (ticked(Specialist)) {
        // a specialist elf stays single-classed through specres
    } else {
        reset();
    }
}

// Half-Elf: withdrawals of every ticked box, then re-offers that look only at ticks and
// alignment, then a reset when nothing is left ticked.
void EligibilityModel::checkresHalfElf() {
    if (ticked(Bard)) {
        for (ClassBox b : {Ranger, Druid, Cleric, Mage, Thief, Fighter, Specialist})
            withdraw(b, excludedBy(Bard));
    }
    if (ticked(Fighter)) {
        for (ClassBox b : {Ranger, Bard, Specialist})
            withdraw(b, excludedBy(Fighter));
    }
    if (ticked(Ranger)) {
        for (ClassBox b : {Mage, Thief, Fighter, Bard, Specialist})
            withdraw(b, excludedBy(Ranger));
    }
    if (ticked(Cleric)) {
        for (ClassBox b : {Bard, Druid, Thief, Specialist})
            withdraw(b, excludedBy(Cleric));
    }
    if (ticked(Druid)) {
        for (ClassBox b : {Bard, Cleric, Thief, Specialist})
            withdraw(b, excludedBy(Druid));
    }
    if (ticked(Thief)) {
        for (ClassBox b : {Ranger, Bard, Druid, Cleric, Specialist})
            withdraw(b, excludedBy(Thief));
    }
    if (ticked(Mage)) {
        for (ClassBox b : {Ranger, Bard, Specialist})
            withdraw(b, excludedBy(Mage));
    }

    auto noneTicked = [this](std::initializer_list<ClassBox> boxes) {
        for (ClassBox b : boxes) {
            if (ticked(b))
                return false;
        }
        return true;
    };
    const bool anyTicked =
        !noneTicked({Fighter, Thief, Cleric, Specialist, Mage, Druid, Ranger, Bard});
    if (anyTicked) {
        if (noneTicked({Ranger, Bard, Specialist}))
            offer(Fighter);
        if (noneTicked({Ranger, Cleric, Bard, Specialist, Druid}) && !lawfulGood())
            offer(Thief);
        if (noneTicked({Thief, Druid, Specialist, Bard}))
            offer(Cleric);
        if (noneTicked({Ranger, Bard, Specialist}))
            offer(Mage);
        if (noneTicked({Druid, Bard, Specialist}) && trueNeutral())
            offer(Druid);
        if (noneTicked({Fighter, Mage, Bard, Specialist}) && m_goodEvil == 0)
            offer(Ranger);
    }

    if (noneTicked({Fighter, Thief, Cleric, Specialist, Mage, Druid, Ranger, Bard})) {
        reset();
    }
}

// Dwarf: the first row that holds applies.
void EligibilityModel::checkresDwarf() {
    if (ticked(Fighter) && !ticked(Cleric) && !ticked(Thief)) {
        if (!lawfulGood()) {
            offer(Thief);
        }
        offer(Cleric);
    } else if (ticked(Cleric)) {
        withdraw(Thief, excludedBy(Cleric));
    } else if (ticked(Thief)) {
        withdraw(Cleric, excludedBy(Thief));
    } else {
        reset();
    }
}

// Human: one class only. The first ticked box withdraws every other one.
void EligibilityModel::checkresHuman() {
    for (ClassBox chosen : {Paladin, Ranger, Fighter, Druid, Cleric, Thief, Bard, Mage}) {
        if (ticked(chosen)) {
            for (int i = 0; i < kClassBoxCount; ++i) {
                if (i != index(chosen)) {
                    withdraw(static_cast<ClassBox>(i), because(WithdrawalRule::OneClass));
                }
            }
            return;
        }
    }
    // An offered Specialist box means a specialist is being chosen, which specres guards.
    if (!offered(Specialist)) {
        reset();
    }
}

// Gnome: any two of Fighter, Cleric, Thief and Specialist; the first row that holds applies.
void EligibilityModel::checkresGnome() {
    const bool f = ticked(Fighter);
    const bool c = ticked(Cleric);
    const bool t = ticked(Thief);
    const bool s = ticked(Specialist);
    const Reason twoClasses = because(WithdrawalRule::TwoClasses);
    if (f && t) {
        withdraw(Cleric, twoClasses);
        withdraw(Specialist, twoClasses);
    } else if (f && c) {
        withdraw(Thief, twoClasses);
        withdraw(Specialist, twoClasses);
    } else if (f && s) {
        withdraw(Cleric, twoClasses);
        withdraw(Thief, twoClasses);
    } else if (c && s) {
        withdraw(Thief, twoClasses);
        withdraw(Fighter, twoClasses);
    } else if (c && t) {
        withdraw(Fighter, twoClasses);
        withdraw(Specialist, twoClasses);
    } else if (t && s) {
        withdraw(Fighter, twoClasses);
        withdraw(Cleric, twoClasses);
    } else if (f || t || c || s) {
        if (!f)
            offer(Fighter);
        if (!t && !lawfulGood())
            offer(Thief);
        if (!c)
            offer(Cleric);
        if (!s)
            offer(Specialist);
    } else {
        reset();
    }
}

// Halfling: the first row that holds applies.
void EligibilityModel::checkresHalfling() {
    if (ticked(Fighter) && !ticked(Thief)) {
        if (!lawfulGood()) {
            offer(Thief);
        }
        withdraw(Cleric, excludedBy(Fighter));
    } else if (ticked(Thief)) {
        withdraw(Cleric, excludedBy(Thief));
    } else if (ticked(Cleric)) {
        withdraw(Thief, excludedBy(Cleric));
        withdraw(Fighter, excludedBy(Cleric));
    } else {
        reset();
    }
}

}  // namespace tavrel
