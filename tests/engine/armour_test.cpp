#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <tuple>

#include "armour.h"
#include "builders.h"
#include "paramname.h"

namespace tavrel {
namespace {

using test::optionsFor;

Character withDexterity(int dexterity) {
    Character c;
    c.abilityScore[DEX] = dexterity;
    return c;
}

enum class Shield { Always, Never, Sometimes };

// Over many seeds a class set with a given DEX reaches exactly `classes`, and the shield shows
// up always, never or only sometimes.
struct ArmourRange {
    const char* name;
    CharacterOptions options;
    int dexterity;
    std::set<int> classes;
    Shield shield;
    friend void PrintTo(const ArmourRange& r, std::ostream* os) { *os << r.name; }
};

class ArmourRanges : public ::testing::TestWithParam<ArmourRange> {};

TEST_P(ArmourRanges, ReachExactlyTheExpectedClassesAndShields) {
    const ArmourRange& row = GetParam();
    std::set<int> seen;
    int shields = 0;
    constexpr int kRuns = 600;
    for (std::uint32_t seed = 0; seed < kRuns; ++seed) {
        Character c = withDexterity(row.dexterity);
        Random r(seed * 2654435761u);
        setac(row.options, c, r);
        seen.insert(c.armourClass);
        const std::string head = "Armor class: " + std::to_string(c.armourClass) + "     ";
        ASSERT_EQ(c.armourLine.substr(0, head.size()), head) << c.armourLine;
        const std::string rest = c.armourLine.substr(head.size());
        ASSERT_TRUE(rest.empty() || rest.starts_with("Armor type: ")) << c.armourLine;
        shields += rest.ends_with(" and shield") || rest == "Armor type: Shield";
    }
    EXPECT_EQ(seen, row.classes);
    switch (row.shield) {
        case Shield::Always:
            EXPECT_EQ(shields, kRuns);
            break;
        case Shield::Never:
            EXPECT_EQ(shields, 0);
            break;
        case Shield::Sometimes:
            EXPECT_GT(shields, 0);
            EXPECT_LT(shields, kRuns);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ArmourRanges,
    ::testing::Values(
        ArmourRange{"ClericAlwaysCarriesAShield",
                    optionsFor(Human, {"cleric"}),
                    10,
                    {2, 3, 4, 5, 6, 7},
                    Shield::Always},
        ArmourRange{"BardNeverCarriesAShield",
                    optionsFor(Human, {"bard"}),
                    10,
                    {3, 4, 5, 6, 7, 8},
                    Shield::Never},
        ArmourRange{"FighterThiefWearsThiefArmour",
                    optionsFor(Human, {"fighter", "thief"}),
                    10,
                    {7, 8},
                    Shield::Never},
        ArmourRange{"DruidShieldThreeTimesInFour",
                    optionsFor(Human, {"druid"}),
                    10,
                    {5, 6, 7, 8},
                    Shield::Sometimes},
        ArmourRange{"DruidThiefWearsDruidArmour",
                    optionsFor(Human, {"druid", "thief"}),
                    10,
                    {5, 6, 7, 8},
                    Shield::Sometimes},
        ArmourRange{"MageWearsNothing", optionsFor(Human, {"mage"}), 12, {10}, Shield::Never},
        ArmourRange{"ClericMageWearsNothing",
                    optionsFor(Human, {"cleric", "Abjurer"}),
                    12,
                    {10},
                    Shield::Never},
        ArmourRange{"FighterMageMayCarryAShield",
                    optionsFor(Elf, {"fighter", "mage"}),
                    7,
                    {9, 10},
                    Shield::Sometimes},
        ArmourRange{"PlateAndShieldAtDex18IsBest",
                    optionsFor(Human, {"paladin"}),
                    18,
                    {-2, -1, 0, 1, 2, 3},
                    Shield::Always},
        ArmourRange{"WizardAtDex3IsWorst", optionsFor(Human, {"Invoker"}), 3, {14}, Shield::Never}),
    test::caseName<ArmourRange>);

// How many numbers each class set draws, checked by replaying that many on a copy.
struct DrawCount {
    const char* name;
    CharacterOptions options;
    int draws;
    friend void PrintTo(const DrawCount& d, std::ostream* os) { *os << d.name; }
};

class ArmourDraws : public ::testing::TestWithParam<DrawCount> {};

TEST_P(ArmourDraws, DrawOnlyWhereABlockSaysSo) {
    const DrawCount& row = GetParam();
    for (std::uint32_t seed = 1; seed < 50; ++seed) {
        Character c = withDexterity(12);
        Random r(seed);
        Random copy(seed);
        setac(row.options, c, r);
        for (int i = 0; i < row.draws; ++i) {
            copy.randomBelow(2);
        }
        ASSERT_EQ(r.seed(), copy.seed()) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ArmourDraws,
    ::testing::Values(DrawCount{"FighterArmourAndShield", optionsFor(Human, {"fighter"}), 2},
                      DrawCount{"BardArmourOnly", optionsFor(Human, {"bard"}), 1},
                      DrawCount{"ThiefArmourOnly", optionsFor(Human, {"thief"}), 1},
                      DrawCount{"DruidArmourAndShield", optionsFor(Human, {"druid"}), 2},
                      DrawCount{"MageNone", optionsFor(Human, {"mage"}), 0},
                      DrawCount{"FighterMageThreeDraws", optionsFor(Human, {"fighter", "mage"}), 3},
                      DrawCount{"ClericThiefThreeDraws", optionsFor(Human, {"cleric", "thief"}), 3},
                      DrawCount{"AllNineClasses", test::optionsFromMask(Human, 511), 5},
                      DrawCount{"NoClassAtAll", CharacterOptions{}, 0}),
    test::caseName<DrawCount>);

TEST(SetAc, ClericLineNamesTheDrawnArmourAndShield) {
    // Seeds 0 and 1 draw the same armour and then 0 and 1 for the shield: a cleric's shield
    // does not depend on that draw. Seed 6 draws the next armour, whose text holds an "or".
    const std::tuple<std::uint32_t, int, const char*> pinned[] = {
        {0, 2, "Armor class: 2     Armor type: Plate mail and shield"},
        {1, 2, "Armor class: 2     Armor type: Plate mail and shield"},
        {6, 3, "Armor class: 3     Armor type: Banded mail, or Bronze plate mail and shield"}};
    for (const auto& [seed, armourClass, line] : pinned) {
        Character c = withDexterity(10);
        Random r(seed);
        setac(optionsFor(Human, {"cleric"}), c, r);
        EXPECT_EQ(c.armourClass, armourClass) << "seed " << seed;
        EXPECT_EQ(c.armourLine, line) << "seed " << seed;
    }
}

TEST(SetAc, StuddedLeatherKeepsItsBlankBeforeTheShield) {
    bool found = false;
    for (std::uint32_t seed = 0; seed < 200 && !found; ++seed) {
        Character c = withDexterity(10);
        Random r(seed);
        setac(optionsFor(Dwarf, {"fighter"}), c, r);
        if (c.armourClass == 6) {
            found = true;
            EXPECT_EQ(c.armourLine,
                      "Armor class: 6     Armor type: Studded leather, or Ring mail armor  and "
                      "shield");
        }
    }
    EXPECT_TRUE(found);
}

TEST(SetAc, FighterMageShieldLine) {
    std::set<std::string> lines;
    for (std::uint32_t seed = 0; seed < 100; ++seed) {
        Character c = withDexterity(16);
        Random r(seed);
        setac(optionsFor(Human, {"fighter", "mage"}), c, r);
        lines.insert(c.armourLine);
    }
    EXPECT_EQ(lines, (std::set<std::string>{"Armor class: 7     Armor type: Shield",
                                            "Armor class: 8     "}));
}

TEST(SetAc, DexterityAdjustsUnarmouredClass) {
    const std::pair<int, int> rows[] = {{3, 14}, {4, 13}, {5, 12}, {6, 11}, {7, 10}, {14, 10},
                                        {15, 9}, {16, 8}, {17, 7}, {18, 6}, {19, 6}};
    for (const auto& [dexterity, expected] : rows) {
        Character c = withDexterity(dexterity);
        Random r(1);
        setac(optionsFor(Human, {"mage"}), c, r);
        EXPECT_EQ(c.armourClass, expected) << "DEX " << dexterity;
        EXPECT_EQ(c.armourLine, "Armor class: " + std::to_string(expected) + "     ");
    }
}

TEST(SetAc, UnrolledDexterityChangesNothing) {
    Character c;
    c.armourClass = 5;
    c.armourLine = "unchanged";
    const Character before = c;
    Random r(42);
    setac(optionsFor(Human, {"fighter"}), c, r);
    EXPECT_EQ(c, before);
    EXPECT_EQ(r.seed(), 42u);
}

TEST(SetAc, NoClassStartsUnarmoured) {
    Character c = withDexterity(15);
    Random r(42);
    setac(CharacterOptions{}, c, r);
    EXPECT_EQ(c.armourClass, 9);
    EXPECT_EQ(c.armourLine, "Armor class: 9     ");
    EXPECT_EQ(r.seed(), 42u);
}

}  // namespace
}  // namespace tavrel
