// Every class-flag set, race, level and dice method (restrictions lifted) generates to
// completion on the virtual schedule with every counter in its declared range.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "builders.h"
#include "nonweapons.h"
#include "paramname.h"
#include "schedule.h"
#include "weapons.h"

namespace tavrel {
namespace {

// The cheapest and dearest cost at which the fill could have taken `entry` from any list.
std::pair<int, int> costBounds(const std::string& entry) {
    int low = 99;
    int high = 0;
    for (NonWeaponGroup g : kNonWeaponGroups) {
        const auto entries = nonWeaponGroupEntries(g);
        for (int pos = 1; pos < static_cast<int>(entries.size()); ++pos) {
            if (entries[static_cast<std::size_t>(pos)] == entry && nonWeaponCost(g, pos) > 0) {
                low = std::min(low, nonWeaponCost(g, pos));
                high = std::max(high, nonWeaponCost(g, pos));
            }
        }
    }
    return {low, high};
}

void checkCharacter(const VirtualSchedule& s, const CharacterOptions& o, int levelRange) {
    const Character& c = s.character();
    const std::string where = "mask set " + classLineFor(o) + " race " + std::to_string(o.race);
    ASSERT_TRUE(s.finished()) << where;
    ASSERT_GE(c.level, 1 + 5 * levelRange) << where;
    ASSERT_LE(c.level, 5 + 5 * levelRange) << where;
    ASSERT_GE(c.classCount, 1) << where;
    ASSERT_LE(c.classCount, 9) << where;
    ASSERT_EQ(c.revealTick, c.level + 6) << where;
    ASSERT_EQ(c.levelsRolled, c.level) << where;
    for (int a = 0; a < kAbilityCount; ++a) {
        ASSERT_GE(c.abilityScore[a], 3) << where;
        ASSERT_LE(c.abilityScore[a], 19) << where;
        ASSERT_GE(c.abilityScore[a], c.abilityFloor[a]) << where;
        ASSERT_GE(c.racialAdjustment[a], -1) << where;
        ASSERT_LE(c.racialAdjustment[a], 1) << where;
    }
    ASSERT_GE(c.exceptionalStrength, -1) << where;
    ASSERT_LE(c.exceptionalStrength, 99) << where;
    ASSERT_GE(c.hitPoints, 0) << where;
    ASSERT_EQ(c.hitPointsLine, "Hit Points " + std::to_string(c.hitPoints)) << where;
    ASSERT_GE(c.armourClass, -2) << where;
    ASSERT_LE(c.armourClass, 14) << where;
    ASSERT_GE(c.weaponSlots, 1) << where;
    ASSERT_LE(c.weaponSlots, 9) << where;
    ASSERT_LE(c.weaponSlotsFilled, c.weaponSlots) << where;
    ASSERT_EQ(static_cast<std::size_t>(c.weaponSlotsFilled), c.weapons.size()) << where;
    ASSERT_GE(c.nonWeaponSlots, 4) << where;
    ASSERT_EQ(c.nonWeaponSlotsUsed, c.nonWeaponSlots) << where;
    // The spent costs add up to the slots: each costed entry's cost lies within the costs of
    // the lists it stands in.
    int low = 0;
    int high = 0;
    for (const std::string& entry : c.nonWeapons) {
        if (entry == "Languages, Modern" || (o.ranger && entry == "Tracking"))
            continue;
        const auto [l, h] = costBounds(entry);
        ASSERT_LE(l, h) << where << " entry " << entry;
        low += l;
        high += h;
    }
    ASSERT_LE(low, c.nonWeaponSlots) << where;
    ASSERT_GE(high, c.nonWeaponSlots) << where;
    const std::set<std::string> distinct(c.nonWeapons.begin(), c.nonWeapons.end());
    ASSERT_EQ(distinct.size(), c.nonWeapons.size()) << where << ": the fill never duplicates";
}

class Enumeration : public ::testing::TestWithParam<int> {};

TEST_P(Enumeration, EveryFlagSetLevelAndDiceMethodCompletes) {
    const int race = GetParam();
    VirtualSchedule schedule(static_cast<std::uint32_t>(race) * 7919u + 1u, 9 * 3600 * 1000);
    for (unsigned mask = 1; mask < 512; ++mask) {
        for (int dice = 0; dice < 3; ++dice) {
            for (int range = 0; range < 3; ++range) {
                CharacterOptions o = test::optionsFromMask(race, mask, static_cast<int>(mask % 8));
                o.restrictionsLifted = true;
                o.diceMethod = dice;
                o.levelRange = range;
                // Reroll until every level of the range has been generated once.
                std::set<int> levels;
                for (int tries = 0; levels.size() < 5 && tries < 200; ++tries) {
                    schedule.generate(o);
                    checkCharacter(schedule, o, range);
                    if (HasFatalFailure())
                        return;
                    levels.insert(schedule.character().level);
                }
                ASSERT_EQ(levels.size(), 5u) << "mask " << mask;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Races, Enumeration, ::testing::Range(0, kRaceCount),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return test::raceName(p.param);
                         });

}  // namespace
}  // namespace tavrel
