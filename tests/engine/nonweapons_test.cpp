#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "builders.h"
#include "nonweapons.h"
#include "paramname.h"

namespace tavrel {
namespace {

using test::optionsFor;

using test::caseName;
using test::seedForDraws;

using test::classCountOf;

Character revealedCharacter(const CharacterOptions& o, int level, int intelligence) {
    Character c;
    c.level = toCounter(level);
    c.classCount = toCounter(classCountOf(o));
    c.abilityScore[INT] = intelligence;
    return c;
}

// ---- Slot count ------------------------------------------------------------------------------

TEST(MaxNonWeapon, BaseFromIntelligence) {
    // A level-1 thief adds 3 to the base.
    const std::pair<int, int> rows[] = {{3, 1},  {8, 1},  {9, 2},  {11, 2}, {12, 3}, {13, 3},
                                        {14, 4}, {15, 4}, {16, 5}, {17, 6}, {18, 7}, {19, 8}};
    const CharacterOptions thief = optionsFor(Human, {"thief"});
    for (const auto& [intelligence, base] : rows) {
        Character c = revealedCharacter(thief, 1, intelligence);
        maxnonweapon(thief, c);
        EXPECT_EQ(c.nonWeaponSlots, base + 3) << "INT " << intelligence;
    }
}

TEST(MaxNonWeapon, ClassAdditionsAddUp) {
    struct Row {
        std::vector<std::string_view> classes;
        int level, intelligence, slots;
    };
    const Row rows[] = {
        {{"thief"}, 1, 8, 4},
        {{"fighter", "mage"}, 6, 16, 15},
        {{"fighter", "thief"}, 15, 19, 22},
        {{"bard"}, 4, 10, 2 + 4},
        {{"cleric", "mage"}, 8, 12, 3 + 6},  // one addition for wizard or priest, not two
        {{"ranger"}, 3, 14, 4 + 4},
        {{"Conjurer"}, 12, 9, 2 + 7},
    };
    for (const Row& r : rows) {
        const CharacterOptions o = optionsFor(Gnome, r.classes);
        Character c = revealedCharacter(o, r.level, r.intelligence);
        maxnonweapon(o, c);
        EXPECT_EQ(c.nonWeaponSlots, r.slots) << "level " << r.level << " INT " << r.intelligence;
    }
    const CharacterOptions all = test::optionsFromMask(Human, 511);
    Character c = revealedCharacter(all, 15, 19);
    maxnonweapon(all, c);
    EXPECT_EQ(c.nonWeaponSlots, 8 + 6 + 8 + 7);
}

// ---- Lists and costs -------------------------------------------------------------------------

TEST(NonWeaponLists, BlankFirstEntryAndCostsByPosition) {
    for (const NonWeaponGroup g : kNonWeaponGroups) {
        const auto entries = nonWeaponGroupEntries(g);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries[0], "");
        EXPECT_EQ(nonWeaponCost(g, 0), 0);
        EXPECT_EQ(nonWeaponCost(g, static_cast<int>(entries.size())), 0);
    }
    using G = NonWeaponGroup;
    EXPECT_EQ(nonWeaponGroupEntries(G::Rogue)[3], "Blind-fighting");
    EXPECT_EQ(nonWeaponGroupEntries(G::Warrior)[3], "Blind-fighting ");
    EXPECT_EQ(nonWeaponGroupEntries(G::Rogue)[8], "Juggling ");

    // Band edges: the cost belongs to the position, so one text may cost differently per list.
    const std::tuple<G, int, int> costs[] = {
        {G::General, 1, 2}, {G::General, 2, 2}, {G::General, 3, 1}, {G::General, 29, 1},
        {G::Rogue, 3, 2},   {G::Rogue, 4, 1},   {G::Rogue, 16, 1},  {G::Warrior, 1, 3},
        {G::Warrior, 2, 2}, {G::Warrior, 5, 2}, {G::Warrior, 6, 1}, {G::Warrior, 15, 1},
        {G::Wizard, 4, 2},  {G::Wizard, 5, 1},  {G::Wizard, 10, 1}, {G::Priest, 1, 0}};
    for (const auto& [group, position, cost] : costs) {
        EXPECT_EQ(nonWeaponCost(group, position), cost)
            << static_cast<int>(group) << " position " << position;
    }
    EXPECT_EQ(nonWeaponGroupEntries(G::Wizard)[4], "Gem Cutting");
    EXPECT_EQ(nonWeaponGroupEntries(G::Rogue)[7], "Gem Cutting");
}

// ---- The non-weapon step ---------------------------------------------------------------------

struct StepCase {
    const char* name;
    std::vector<std::string_view> classes;
    std::vector<NonWeaponGroup> draws;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class NonWeaponDraws : public ::testing::TestWithParam<StepCase> {};

// Over many seeds, ticking on lists every entry of the groups' lists (the priest group's is the
// Wizard list) and the free entries, each once and at one to three slots, and nothing else.
TEST_P(NonWeaponDraws, TakeAllOfTheGroupListsAndNothingElse) {
    const StepCase& p = GetParam();
    const CharacterOptions o = optionsFor(Human, p.classes);
    std::set<std::string> offered{"Languages, Modern"};
    if (o.ranger)
        offered.insert("Tracking");
    for (const NonWeaponGroup g : p.draws)
        offered.insert(nonWeaponGroupEntries(g).begin() + 1, nonWeaponGroupEntries(g).end());
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        Character c = revealedCharacter(o, 10, 12);
        c.nonWeaponSlots = 120;
        Random random(seed);
        for (int tick = 0; tick < 2000 && c.nonWeapons.size() < offered.size(); ++tick)
            nonWeaponStep(o, c, random);
        const std::set<std::string> listed(c.nonWeapons.begin(), c.nonWeapons.end());
        ASSERT_EQ(listed.size(), c.nonWeapons.size()) << "seed " << seed << ": an entry twice";
        ASSERT_EQ(listed, offered) << "seed " << seed;
        const int drawn = static_cast<int>(listed.size()) - (o.ranger ? 2 : 1);
        ASSERT_TRUE(drawn <= c.nonWeaponSlotsUsed && c.nonWeaponSlotsUsed <= 3 * drawn) << seed;
    }
}

using G = NonWeaponGroup;
INSTANTIATE_TEST_SUITE_P(
    NonWeapons, NonWeaponDraws,
    ::testing::Values(StepCase{"fighter", {"fighter"}, {G::General, G::Warrior}},
                      StepCase{"ranger", {"ranger"}, {G::General, G::Wizard, G::Warrior}},
                      StepCase{"paladin", {"paladin"}, {G::General, G::Warrior, G::Wizard}},
                      StepCase{"mage", {"mage"}, {G::General, G::Wizard}},
                      StepCase{"specialist", {"Illusionist"}, {G::General, G::Wizard}},
                      StepCase{"cleric", {"cleric"}, {G::General, G::Wizard}},
                      StepCase{"druid", {"druid"}, {G::General, G::Warrior, G::Wizard}},
                      StepCase{"thief", {"thief"}, {G::General, G::Rogue}},
                      StepCase{"bard", {"bard"}, {G::General, G::Wizard, G::Warrior, G::Rogue}},
                      StepCase{
                          "mage_cleric", {"mage", "cleric"}, {G::General, G::Wizard, G::Wizard}}),
    caseName<StepCase>);

// One tick with 40 slots from a known seed: the entries drawn after Languages, Modern, and the
// slots they cost. Each row names the rule it pins.
TEST(NonWeaponStep, PinnedTicks) {
    const std::tuple<std::vector<std::string_view>, std::uint32_t, std::vector<std::string>, int>
        rows[] = {
            // General, Wizard, Warrior, Rogue, costed by position; the Rogue draw repeats the
            // Wizard's Gem Cutting and is skipped, unpaid.
            {{"bard"}, 1055, {"Animal Handling", "Gem Cutting", "Blind-fighting "}, 5},
            // The priest group draws after the Warrior one, from the Wizard list at its costs.
            {{"paladin"}, 1000, {"Dancing", "Running", "Gem Cutting"}, 4},
            // Mage and cleric draw from the Wizard list twice.
            {{"mage", "cleric"}, 1000, {"Dancing", "Navigation", "Gem Cutting"}, 4},
        };
    for (const auto& [classes, seed, drawn, used] : rows) {
        const CharacterOptions o = optionsFor(Human, classes);
        Character c = revealedCharacter(o, 10, 12);
        c.nonWeaponSlots = 40;
        Random random(seed);
        nonWeaponStep(o, c, random);
        EXPECT_EQ(std::vector<std::string>(c.nonWeapons.begin() + 1, c.nonWeapons.end()), drawn)
            << "seed " << seed;
        EXPECT_EQ(c.nonWeaponSlotsUsed, used) << "seed " << seed;
    }
}

TEST(NonWeaponStep, BeforeTheSlotsAreKnownOnlyTheFreeEntriesArrive) {
    const CharacterOptions ranger = optionsFor(Elf, {"ranger"});
    Character c = revealedCharacter(ranger, 3, 0);
    Random random(3);
    for (int tick = 0; tick < 50; ++tick)
        nonWeaponStep(ranger, c, random);
    EXPECT_EQ(c.nonWeapons, (std::vector<std::string>{"Tracking", "Languages, Modern"}));
    EXPECT_EQ(c.nonWeaponSlotsUsed, 0);

    // Before the first generation there is no class and the step does nothing at all.
    Character empty;
    const std::uint32_t seed = random.seed();
    nonWeaponStep(CharacterOptions{}, empty, random);
    EXPECT_TRUE(empty.nonWeapons.empty());
    EXPECT_EQ(random.seed(), seed);
}

TEST(NonWeaponStep, WithOneSlotLeftOnlyOneSlotEntriesAreTaken) {
    const CharacterOptions fighter = optionsFor(Human, {"fighter"});
    auto oneLeft = [&] {
        Character c = revealedCharacter(fighter, 1, 10);
        c.nonWeapons = {"Languages, Modern"};
        c.nonWeaponSlots = 9;
        c.nonWeaponSlotsUsed = 8;
        return c;
    };
    struct Row {
        const char* what;
        int general, warrior;  // drawn indices (position - 1)
        std::vector<std::string> added;
    };
    const Row rows[] = {
        {"Mining (2) and Animal Lore (3)", 0, 0, {}},
        {"Cooking (1)", 10, 0, {"Cooking"}},
        {"Riding, Airborne (2) then Endurance (1)", 1, 5, {"Endurance"}},
        {"Languages, Modern (listed) then Tracking (1)", 17, 13, {"Tracking"}},
    };
    for (const Row& r : rows) {
        Character c = oneLeft();
        Random random(seedForDraws({{29, r.general}, {15, r.warrior}}));
        nonWeaponStep(fighter, c, random);
        std::vector<std::string> expected{"Languages, Modern"};
        expected.insert(expected.end(), r.added.begin(), r.added.end());
        EXPECT_EQ(c.nonWeapons, expected) << r.what;
        EXPECT_EQ(c.nonWeaponSlotsUsed, 8 + static_cast<int>(r.added.size())) << r.what;
    }
}

// ---- User edits ------------------------------------------------------------------------------

TEST(NonWeaponEdits, AddDeleteAndClearLeaveTheFillCounterAlone) {
    Character c;
    c.nonWeaponSlots = 6;
    c.nonWeaponSlotsUsed = 4;
    c.nonWeapons = {"Languages, Modern"};

    addNonWeapons(c, {"", "", "", "", ""});
    EXPECT_EQ(c.nonWeapons.size(), 1u);
    addNonWeapons(c, {"Cooking", "", "Tumbling", "", ""});
    addNonWeapons(c, {"Cooking", "Healing", "", "Animal Lore", "Spellcraft"});
    EXPECT_EQ(c.nonWeapons,
              (std::vector<std::string>{"Languages, Modern", "Cooking", "Tumbling", "Cooking",
                                        "Healing", "Animal Lore", "Spellcraft"}));

    deleteNonWeapon(c, -1);
    deleteNonWeapon(c, 7);
    EXPECT_EQ(c.nonWeapons.size(), 7u);
    deleteNonWeapon(c, 0);
    deleteNonWeapon(c, 5);
    EXPECT_EQ(c.nonWeapons, (std::vector<std::string>{"Cooking", "Tumbling", "Cooking", "Healing",
                                                      "Animal Lore"}));
    clearNonWeapons(c);
    EXPECT_TRUE(c.nonWeapons.empty());
    EXPECT_EQ(c.nonWeaponSlots, 6);
    EXPECT_EQ(c.nonWeaponSlotsUsed, 4);
}

}  // namespace
}  // namespace tavrel
