#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "builders.h"
#include "paramname.h"
#include "weapons.h"

namespace tavrel {
namespace {

using test::optionsFor;

using test::caseName;
using test::seedForDraws;

using test::classCountOf;

// A character as the generation start leaves it just before `takeweapons`.
Character freshCharacter(const CharacterOptions& o, int level) {
    Character c;
    c.level = toCounter(level);
    c.classCount = toCounter(classCountOf(o));
    c.weaponSlots = 1;
    return c;
}

std::vector<std::string> listOf(WeaponList list) {
    const auto entries = weaponListEntries(list);
    return {entries.begin(), entries.end()};
}

// ---- Slot counts -----------------------------------------------------------------------------

struct SlotCase {
    const char* name;
    std::vector<std::string_view> classes;
    std::array<int, 15> slotsByLevel;  // levels 1..15
    bool specialize;
};

void PrintTo(const SlotCase& c, std::ostream* os) {
    *os << c.name;
}

class SlotCount : public ::testing::TestWithParam<SlotCase> {};

TEST_P(SlotCount, FollowsTheLevelTable) {
    const SlotCase& p = GetParam();
    const CharacterOptions o = optionsFor(Human, p.classes);
    for (int level = 1; level <= 15; ++level) {
        Character c = freshCharacter(o, level);
        DriverState state;
        takeweapons(o, c, state);
        EXPECT_EQ(c.weaponSlots, p.slotsByLevel[static_cast<std::size_t>(level - 1)])
            << "level " << level;
        EXPECT_EQ(state.specializeVisible, p.specialize);
    }
}

// Columns of the level table: wizard, priest or rogue, warrior, single-classed fighter.
constexpr std::array<int, 15> kWizardSlots{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3};
constexpr std::array<int, 15> kPriestRogueSlots{2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
constexpr std::array<int, 15> kWarriorSlots{4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9};
constexpr std::array<int, 15> kFighterSlots{2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7};

INSTANTIATE_TEST_SUITE_P(
    Weapons, SlotCount,
    ::testing::Values(SlotCase{"mage", {"mage"}, kWizardSlots, false},
                      SlotCase{"specialist", {"Invoker"}, kWizardSlots, false},
                      SlotCase{"thief", {"thief"}, kPriestRogueSlots, false},
                      SlotCase{"bard", {"bard"}, kPriestRogueSlots, false},
                      SlotCase{"druid", {"druid"}, kPriestRogueSlots, false},
                      SlotCase{"cleric_over_mage", {"cleric", "mage"}, kPriestRogueSlots, false},
                      SlotCase{"ranger", {"ranger"}, kWarriorSlots, false},
                      SlotCase{"paladin", {"paladin"}, kWarriorSlots, false},
                      SlotCase{"fighter_thief", {"fighter", "thief"}, kWarriorSlots, false},
                      SlotCase{"fighter_mage", {"fighter", "mage"}, kWarriorSlots, false},
                      SlotCase{"single_fighter", {"fighter"}, kFighterSlots, true}),
    caseName<SlotCase>);

TEST(TakeWeapons, OfferedListIsDecidedByTheLastRuleThatApplies) {
    const std::pair<std::vector<std::string_view>, WeaponList> cases[] = {
        {{"mage"}, WeaponList::Mage},
        {{"Diviner"}, WeaponList::Mage},
        {{"cleric", "mage"}, WeaponList::Priest},
        {{"fighter", "thief"}, WeaponList::Warrior},
        {{"bard"}, WeaponList::Warrior},
        {{"thief", "bard"}, WeaponList::Thief},
        {{"thief", "mage"}, WeaponList::Thief},
        {{"fighter", "druid"}, WeaponList::Druid},
        {{"cleric", "druid"}, WeaponList::Druid},
        {{"ranger", "cleric"}, WeaponList::Priest},
    };
    for (const auto& [classes, expected] : cases) {
        const CharacterOptions o = optionsFor(Human, classes);
        Character c = freshCharacter(o, 5);
        DriverState state;
        state.offeredList = expected == WeaponList::Mage ? WeaponList::Druid : WeaponList::Mage;
        takeweapons(o, c, state);
        std::string label;
        for (auto word : classes)
            label += std::string(word) + " ";
        EXPECT_EQ(state.offeredList, expected) << label;
    }
}

TEST(TakeWeapons, RestartsOnlyAStoppedFillAtFiveMilliseconds) {
    const CharacterOptions o = optionsFor(Human, {"mage"});
    Character c = freshCharacter(o, 1);
    DriverState state;
    state.fillInterval = 0;
    takeweapons(o, c, state);
    EXPECT_EQ(state.fillInterval, 5);
    state.fillInterval = 10;
    takeweapons(o, c, state);
    EXPECT_EQ(state.fillInterval, 10) << "a running fill keeps its pace";
}

// ---- The weapon step ---------------------------------------------------------------------------

struct DrawCase {
    const char* name;
    std::vector<std::string_view> classes;
    std::vector<WeaponList> draws;  // lists drawn from in one tick, in order
};

void PrintTo(const DrawCase& c, std::ostream* os) {
    *os << c.name;
}

class WeaponDraws : public ::testing::TestWithParam<DrawCase> {};

// One tick with room to spare makes exactly one draw from each applicable list, in order:
// predict them with a copy of the generator and compare entries and the generator's state.
TEST_P(WeaponDraws, OneDrawPerListInOrder) {
    const DrawCase& p = GetParam();
    const CharacterOptions o = optionsFor(Human, p.classes);
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Character c = freshCharacter(o, 15);
        c.weaponSlots = 20;
        Random random(seed);
        Random replay = random;
        weaponStep(o, c, random);

        std::vector<std::string> expected;
        for (const WeaponList list : p.draws) {
            const auto entries = weaponListEntries(list);
            const std::string entry(entries[static_cast<std::size_t>(
                replay.randomBelow(static_cast<int>(entries.size())))]);
            if (std::find(expected.begin(), expected.end(), entry) == expected.end()) {
                expected.push_back(entry);
            }
        }
        ASSERT_EQ(c.weapons, expected) << "seed " << seed;
        ASSERT_EQ(c.weaponSlotsFilled, static_cast<int>(expected.size()));
        ASSERT_EQ(random.seed(), replay.seed()) << "one draw per list, no retries";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Weapons, WeaponDraws,
    ::testing::Values(
        DrawCase{"fighter", {"fighter"}, {WeaponList::Warrior}},
        DrawCase{"fighter_thief", {"fighter", "thief"}, {WeaponList::Thief, WeaponList::Warrior}},
        DrawCase{"fighter_mage_thief",
                 {"fighter", "mage", "thief"},
                 {WeaponList::Thief, WeaponList::Warrior, WeaponList::Mage}},
        DrawCase{"fighter_cleric", {"fighter", "cleric"}, {WeaponList::Priest}},
        DrawCase{"thief_druid", {"thief", "druid"}, {WeaponList::Druid}},
        DrawCase{"mage_cleric", {"mage", "cleric"}, {WeaponList::Priest}},
        DrawCase{"bard_cleric", {"bard", "cleric"}, {WeaponList::Warrior, WeaponList::Priest}},
        DrawCase{"thief_bard", {"thief", "bard"}, {WeaponList::Thief, WeaponList::Warrior}},
        DrawCase{"bard_fighter", {"bard", "fighter"}, {WeaponList::Warrior, WeaponList::Warrior}},
        DrawCase{"cleric_druid", {"cleric", "druid"}, {WeaponList::Druid, WeaponList::Priest}},
        DrawCase{"specialist", {"Necromancer"}, {WeaponList::Mage}}),
    caseName<DrawCase>);

TEST(WeaponStep, SlotsAreTestedBeforeEveryDraw) {
    const CharacterOptions o = optionsFor(Human, {"fighter", "mage", "thief"});
    Character c = freshCharacter(o, 1);
    c.weaponSlots = 4;
    c.weaponSlotsFilled = 3;
    Random random(77);
    Random replay = random;
    weaponStep(o, c, random);
    replay.randomBelow(13);
    EXPECT_EQ(random.seed(), replay.seed()) << "only the Thief draw fits";
    EXPECT_EQ(c.weaponSlotsFilled, 4);
    ASSERT_EQ(c.weapons.size(), 1u);

    const std::uint32_t before = random.seed();
    weaponStep(o, c, random);
    EXPECT_EQ(random.seed(), before) << "a full character draws nothing";
    EXPECT_EQ(c.weapons.size(), 1u);
}

TEST(WeaponStep, SharedEntryCountsAsListedAcrossLists) {
    // The Thief list draws "Hand crossbow " (3), then the Warrior list draws it too (6).
    const std::uint32_t seed = seedForDraws({{13, 3}, {45, 6}});
    const CharacterOptions o = optionsFor(Human, {"fighter", "thief"});
    Character c = freshCharacter(o, 1);
    c.weaponSlots = 4;
    Random random(seed);
    weaponStep(o, c, random);
    EXPECT_EQ(c.weapons, std::vector<std::string>{"Hand crossbow "});
    EXPECT_EQ(c.weaponSlotsFilled, 1);
}

// ---- The weapon half of the end test
// -------------------------------------------------------------

TEST(WeaponFillComplete, WhenSlotsAreFullOrNothingIsLeftToDraw) {
    const CharacterOptions fighterDruid = optionsFor(HalfElf, {"fighter", "druid"});
    Character c = freshCharacter(fighterDruid, 15);
    DriverState state;
    takeweapons(fighterDruid, c, state);
    ASSERT_EQ(c.weaponSlots, 9);
    for (const auto& e : listOf(WeaponList::Druid)) {
        EXPECT_FALSE(weaponFillComplete(fighterDruid, c)) << "before " << e;
        c.weapons.push_back(e);
        c.weaponSlotsFilled = toCounter(c.weaponSlotsFilled + 1);
    }
    EXPECT_TRUE(weaponFillComplete(fighterDruid, c)) << "eight Druid weapons, nine slots";

    // The priest suppresses the fighter's Warrior draws, so the Warrior list is not waited for.
    const CharacterOptions fighterCleric = optionsFor(Human, {"fighter", "cleric"});
    Character fc = freshCharacter(fighterCleric, 15);
    fc.weaponSlots = 12;
    fc.weapons = listOf(WeaponList::Priest);
    EXPECT_TRUE(weaponFillComplete(fighterCleric, fc));

    // A bard's Warrior draw is not suppressed: both lists must be exhausted.
    const CharacterOptions bardCleric = optionsFor(Human, {"bard", "cleric"});
    Character bc = freshCharacter(bardCleric, 15);
    bc.weaponSlots = 9;
    bc.weapons = listOf(WeaponList::Priest);
    EXPECT_FALSE(weaponFillComplete(bardCleric, bc));
    for (const auto& e : listOf(WeaponList::Warrior))
        bc.weapons.push_back(e);
    EXPECT_TRUE(weaponFillComplete(bardCleric, bc));

    // Entries added by hand count as well; an unrelated list does not.
    const CharacterOptions thief = optionsFor(Human, {"thief"});
    Character tc = freshCharacter(thief, 1);
    tc.weaponSlots = 2;
    tc.weapons = listOf(WeaponList::Warrior);
    EXPECT_FALSE(weaponFillComplete(thief, tc)) << "Lasso is still drawable";
    tc.weapons.push_back("Lasso");
    EXPECT_TRUE(weaponFillComplete(thief, tc));
}

// ---- Specialization -------------------------------------------------------------------------

TEST(Specialization, IsNeverAmongTheWeaponsAndKeepsTheTrailingBlank) {
    const auto warrior = listOf(WeaponList::Warrior);
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        Character c;
        c.weapons = {warrior[seed % 45], warrior[(seed * 7) % 45], warrior[(seed * 13) % 45]};
        Random random(seed);
        drawSpecialization(c, random);
        ASSERT_EQ(c.specialLine.rfind("Weapon specialization in: ", 0), 0u);
        const std::string weapon = c.specialLine.substr(26);
        EXPECT_NE(std::find(warrior.begin(), warrior.end(), weapon), warrior.end());
        EXPECT_FALSE(isWeaponListed(c, weapon)) << c.specialLine;
    }

    Character oneLeft;
    oneLeft.weapons.assign(warrior.begin() + 1, warrior.end());
    Random random(5);
    drawSpecialization(oneLeft, random);
    EXPECT_EQ(oneLeft.specialLine, "Weapon specialization in: Arquebus ");
}

TEST(Specialization, WithEveryWarriorWeaponListedDrawsNothing) {
    Character c;
    c.weapons = listOf(WeaponList::Warrior);
    c.specialLine = "Weapon specialization in: Whip";
    Random random(9);
    drawSpecialization(c, random);
    EXPECT_EQ(c.specialLine, "Weapon specialization in: Whip");
    EXPECT_EQ(random.seed(), 9u);
}

// ---- User edits ------------------------------------------------------------------------------

TEST(WeaponEdits, AddRemoveClearAndSpecializeLeaveTheFillCountersAlone) {
    Character c;
    c.weaponSlots = 3;
    c.weaponSlotsFilled = 2;

    addWeapon(c, "");
    addWeapon(c, "Dagger");
    addWeapon(c, "Dagger");
    addWeapon(c, "Sword of my own");
    EXPECT_EQ(c.weapons, (std::vector<std::string>{"", "Dagger", "Dagger", "Sword of my own"}));

    removeWeapon(c, -1);
    removeWeapon(c, 4);
    EXPECT_EQ(c.weapons.size(), 4u) << "rows out of range change nothing";
    removeWeapon(c, 1);
    EXPECT_EQ(c.weapons, (std::vector<std::string>{"", "Dagger", "Sword of my own"}));
    removeWeapon(c, 2);
    EXPECT_EQ(c.weapons, (std::vector<std::string>{"", "Dagger"}));

    specializeIn(c, -1);
    specializeIn(c, 45);
    EXPECT_EQ(c.specialLine, "");
    specializeIn(c, 1);  // may be a weapon that is listed or not: no test is made
    EXPECT_EQ(c.specialLine, "Weapon specialization in: Battle axe");
    specializeIn(c, 28);
    EXPECT_EQ(c.specialLine, "Weapon specialization in: Military fork ");

    clearWeapons(c);
    EXPECT_TRUE(c.weapons.empty());
    clearWeapons(c);
    EXPECT_TRUE(c.weapons.empty());
    EXPECT_EQ(c.weaponSlots, 3);
    EXPECT_EQ(c.weaponSlotsFilled, 2);
}

}  // namespace
}  // namespace tavrel
