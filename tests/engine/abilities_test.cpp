#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <set>

#include "abilities.h"
#include "builders.h"
#include "paramname.h"

namespace tavrel {
namespace {

class DiceMethod : public ::testing::TestWithParam<int> {};

TEST_P(DiceMethod, ScoresCoverThreeToEighteenAndHonourTheMinimum) {
    const int method = GetParam();
    std::set<int> seen;
    for (std::uint32_t ms = 0; ms < 20000; ms += 7) {
        SettableClock clock(ms);
        Random random;
        const int score = rollScore(0, method, random, clock);
        ASSERT_GE(score, 3);
        ASSERT_LE(score, 18);
        seen.insert(score);
        Random again;
        EXPECT_GE(rollScore(15, method, again, clock), 15);
    }
    // The extremes are rare (3 with the best of two 3d6 comes once in 46656), so ask for the
    // top score and a wide spread rather than every value.
    EXPECT_EQ(*seen.rbegin(), 18);
    EXPECT_LE(*seen.begin(), 5);
    EXPECT_GE(seen.size(), 13u);
    Random r;
    EXPECT_EQ(rollScore(18, method, r, SettableClock(1234)), 18);
}

TEST_P(DiceMethod, SameClockReadingGivesSameScoreWhateverTheSeedBefore) {
    const SettableClock clock(45'296'789);
    Random a(1);
    Random b(987654321);
    EXPECT_EQ(rollScore(9, GetParam(), a, clock), rollScore(9, GetParam(), b, clock));
}

std::string methodName(const ::testing::TestParamInfo<int>& p) {
    static const char* const names[] = {"ThreeD6", "FourD6DropLowest", "BestOfTwo3D6"};
    return names[p.param];
}
INSTANTIATE_TEST_SUITE_P(Methods, DiceMethod, ::testing::Values(0, 1, 2), methodName);

// Pinned scores: the dice reseed from the clock, so a clock reading alone fixes the roll. Each
// reading was chosen so that the rule named beside it, broken, gives another score.
TEST(RollScore, PinnedClockReadings) {
    struct Pinned {
        const char* rule;
        int minimum;
        int method;
        std::uint32_t ms;
        int score;
    };
    const Pinned cases[] = {
        // Dice 6 6 1 2: the first three or the sum less the highest would give 13 or 9.
        {"4d6 drops the lowest die", 0, 1, 1005, 14},
        // 15, then 7, and 10, then 17: keeping either roll always would fail one of the two.
        {"the first 3d6 wins when higher", 0, 2, 1000, 15},
        {"the second 3d6 wins when higher", 0, 2, 1001, 17},
        // 9, then under 10 again, then 15: raising the roll to the minimum would give 10.
        {"3d6 as rolled", 0, 0, 1023, 9},
        {"a low roll rerolls all three dice until it reaches the minimum", 10, 0, 1023, 15},
    };
    for (const Pinned& p : cases) {
        Random r;
        EXPECT_EQ(rollScore(p.minimum, p.method, r, SettableClock(p.ms)), p.score) << p.rule;
    }
}

TEST(Floors, NoFlagCombinationAsksForARollAbove18) {
    for (int race = 0; race < kRaceCount; ++race) {
        for (unsigned mask = 0; mask < 512; ++mask) {
            for (int school = 0; school < kSchoolCount; ++school) {
                if (!(mask & 16u) && school > 0)
                    break;
                const CharacterOptions o = test::optionsFromMask(race, mask, school);
                Character c;
                c.abilityFloor.fill(3);
                applyRaceTable(o, c);
                applyClassMinima(o, c);
                for (int a = 0; a < kAbilityCount; ++a) {
                    EXPECT_LE(c.abilityFloor[a] - c.racialAdjustment[a], 18)
                        << "race " << race << " mask " << mask << " ability " << a;
                    EXPECT_GE(c.abilityFloor[a] - c.racialAdjustment[a], 3);
                }
                EXPECT_EQ(c.classCount, std::popcount(mask));
            }
        }
    }
}

struct FloorCase {
    const char* name;
    CharacterOptions options;
    int ability;
    int floor;
    int adjustment;
    friend void PrintTo(const FloorCase& c, std::ostream* os) { *os << c.name; }
};

class FloorTable : public ::testing::TestWithParam<FloorCase> {};

TEST_P(FloorTable, FloorAndAdjustment) {
    const FloorCase& fc = GetParam();
    Character c;
    c.abilityFloor.fill(3);
    applyRaceTable(fc.options, c);
    applyClassMinima(fc.options, c);
    EXPECT_EQ(c.abilityFloor[fc.ability], fc.floor);
    EXPECT_EQ(c.racialAdjustment[fc.ability], fc.adjustment);
}

using test::optionsFor;
INSTANTIATE_TEST_SUITE_P(
    Rows, FloorTable,
    ::testing::Values(
        FloorCase{"DwarfPaladinNeeds17Cha", optionsFor(Dwarf, {"paladin"}), CHA, 17, -1},
        FloorCase{"PaladinEnchanterSetsCha16", optionsFor(Human, {"paladin", "Enchanter"}), CHA, 16,
                  0},
        FloorCase{"RangerRaisesDex13", optionsFor(Elf, {"ranger"}), DEX, 13, 1},
        FloorCase{"ElfKeepsIntFloor8ForFighter", optionsFor(Elf, {"fighter"}), INT, 8, 0},
        FloorCase{"BardRaisesInt13", optionsFor(Halfling, {"bard"}), INT, 13, 0},
        FloorCase{"HalflingStrPenalty", optionsFor(Halfling, {"fighter"}), STR, 9, -1},
        FloorCase{"GnomeWisPenalty", optionsFor(Gnome, {"thief"}), WIS, 3, -1},
        FloorCase{"DruidRaisesCha15", optionsFor(HalfElf, {"druid"}), CHA, 15, 0},
        FloorCase{"DivinerSetsWis16OverRanger14", optionsFor(Human, {"ranger", "Diviner"}), WIS, 16,
                  0},
        FloorCase{"AbjurerLowersRangerWisTo15", optionsFor(Human, {"ranger", "Abjurer"}), WIS, 15,
                  0},
        FloorCase{"DwarfConFloor11", optionsFor(Dwarf, {"cleric"}), CON, 11, 1}),
    test::caseName<FloorCase>);

TEST(Floors, SpecialistWithoutSchoolOnlyRaisesInt) {
    CharacterOptions o;
    o.specialist = true;  // no school chosen
    Character c;
    c.abilityFloor.fill(3);
    applyClassMinima(o, c);
    EXPECT_EQ(c.classCount, 1);
    EXPECT_EQ(c.abilityFloor, (std::array<std::int8_t, 6>{3, 3, 3, 9, 3, 3}));
    o.school = 42;  // out of range: must not index the school table
    applyClassMinima(o, c);
    EXPECT_EQ(c.abilityFloor[INT], 9);
}

TEST(RollAbility, FinalScoreNeverBelowFloorAndAtMost19) {
    const std::pair<CharacterOptions, int> cases[] = {{optionsFor(Dwarf, {"paladin"}), CHA},
                                                      {optionsFor(Gnome, {"cleric"}), WIS},
                                                      {optionsFor(Gnome, {"Illusionist"}), INT},
                                                      {optionsFor(Halfling, {"fighter"}), STR},
                                                      {optionsFor(Dwarf, {"fighter"}), CON}};
    for (const auto& [o, ability] : cases) {
        Character c;
        c.abilityFloor.fill(3);
        applyRaceTable(o, c);
        applyClassMinima(o, c);
        for (std::uint32_t ms = 0; ms < 3000; ms += 11) {
            Random r;
            rollAbility(ability, o, c, r, SettableClock(ms));
            ASSERT_GE(c.abilityScore[ability], c.abilityFloor[ability]);
            ASSERT_GE(c.abilityScore[ability], 3);
            ASSERT_LE(c.abilityScore[ability], 19);
        }
    }
    // A dwarf paladin's charisma is always exactly 17: only a roll of 18 reaches the floor.
    const CharacterOptions dp = optionsFor(Dwarf, {"paladin"});
    Character c;
    c.abilityFloor.fill(3);
    applyRaceTable(dp, c);
    applyClassMinima(dp, c);
    for (std::uint32_t ms = 0; ms < 200; ++ms) {
        Random r;
        rollAbility(CHA, dp, c, r, SettableClock(ms * 1009));
        ASSERT_EQ(c.abilityScore[CHA], 17);
    }
}

}  // namespace
}  // namespace tavrel
