#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "builders.h"
#include "paramname.h"
#include "weapons.h"

namespace tavrel {
namespace {

using test::optionsFor;

using test::caseName;

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
    std::vector<WeaponList> draws;  // lists drawn from in one tick
};

void PrintTo(const DrawCase& c, std::ostream* os) {
    *os << c.name;
}

class WeaponDraws : public ::testing::TestWithParam<DrawCase> {};

// Over many seeds the fill, ticked until its end test holds, lists every weapon of the class's
// lists, each once, and nothing else: the end test waits for exactly the lists that are drawn.
TEST_P(WeaponDraws, FillEndsWithAllOfTheClassListsAndNothingElse) {
    const DrawCase& p = GetParam();
    const CharacterOptions o = optionsFor(Human, p.classes);
    std::set<std::string> offered;
    for (const WeaponList list : p.draws)
        offered.insert(weaponListEntries(list).begin(), weaponListEntries(list).end());
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        Character c = freshCharacter(o, 15);
        c.weaponSlots = 60;
        Random random(seed);
        int tick = 0;
        for (; tick < 2000 && !weaponFillComplete(o, c); ++tick)
            weaponStep(o, c, random);
        ASSERT_LT(tick, 2000) << "seed " << seed << ": the fill never ends";
        const std::set<std::string> listed(c.weapons.begin(), c.weapons.end());
        ASSERT_EQ(listed.size(), c.weapons.size()) << "seed " << seed << ": a weapon twice";
        ASSERT_EQ(listed, offered) << "seed " << seed;
        ASSERT_EQ(c.weaponSlotsFilled, static_cast<int>(c.weapons.size()));
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

// One tick with 20 free slots from a known seed; each row names the rule it pins.
TEST(WeaponStep, PinnedTicks) {
    const std::tuple<std::vector<std::string_view>, std::uint32_t, std::vector<std::string>>
        rows[] = {
            // Thief, then Warrior, then Mage: any other order draws other weapons.
            {{"fighter", "mage", "thief"}, 1000, {"Dagger", "Sickle", "Knife"}},
            // The cleric spares the bard's Warrior draw, which comes before the Priest draw.
            {{"bard", "cleric"}, 1001, {"Horseman's pick", "Horseman's mace "}},
            // Bard and fighter each draw from the Warrior list: two weapons in one tick.
            {{"bard", "fighter"}, 1002, {"Javelin", "Horseman's flail "}},
            // The Thief and Warrior draws both give Short bow: the repeat is dropped, not redrawn.
            {{"fighter", "thief"}, 1215, {"Short bow"}},
            // Druid, then Priest: the other order draws other weapons.
            {{"cleric", "druid"}, 1001, {"Spear", "Horseman's mace "}},
        };
    for (const auto& [classes, seed, weapons] : rows) {
        const CharacterOptions o = optionsFor(Human, classes);
        Character c = freshCharacter(o, 15);
        c.weaponSlots = 20;
        Random random(seed);
        weaponStep(o, c, random);
        EXPECT_EQ(c.weapons, weapons) << "seed " << seed;
    }
}

TEST(WeaponStep, SlotsAreTestedBeforeEveryDraw) {
    const CharacterOptions o = optionsFor(Human, {"fighter", "mage", "thief"});
    Character c = freshCharacter(o, 1);
    c.weaponSlots = 4;
    c.weaponSlotsFilled = 3;
    Random random(77);
    weaponStep(o, c, random);
    // Only the Thief draw is made: the generator stands one step past 77, at
    // 77 * 134775813 + 1 (mod 2^32). A draw made and then dropped would move it further.
    EXPECT_EQ(c.weapons, std::vector<std::string>{"Dart"});
    EXPECT_EQ(c.weaponSlotsFilled, 4);
    EXPECT_EQ(random.seed(), 1787803010u);
}

// ---- The weapon half of the end test
// -------------------------------------------------------------

// Which lists the end test waits for is checked with the draws, in WeaponDraws.
TEST(WeaponFillComplete, EntriesAddedByHandCountAndAnUnrelatedListDoesNot) {
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
