#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "builders.h"
#include "nonweapons.h"
#include "weapons.h"

namespace tavrel {
namespace {

using test::formShowAtLevel;
using test::optionsFor;
using test::optionsFromMask;
using test::runGeneration;

struct FillTest : ::testing::Test {
    SettableClock clock{15 * 3600 * 1000};
    Random random{4242};
    Generator gen{random, clock};
};

bool hasDuplicates(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return std::adjacent_find(v.begin(), v.end()) != v.end();
}

std::set<std::string> setOf(WeaponList list) {
    const auto e = weaponListEntries(list);
    return {e.begin(), e.end()};
}

// The cheapest and dearest a non-weapon entry can have cost the fill, over the groups the
// character draws from (the priest group draws from the Wizard list).
std::pair<int, int> costRange(const CharacterOptions& o, const std::string& entry) {
    std::vector<NonWeaponGroup> groups{NonWeaponGroup::General};
    if (o.mage || o.specialist || o.ranger || o.bard || o.paladin || o.druid || o.cleric) {
        groups.push_back(NonWeaponGroup::Wizard);
    }
    if (o.fighter || o.ranger || o.paladin || o.druid || o.bard) {
        groups.push_back(NonWeaponGroup::Warrior);
    }
    if (o.thief || o.bard)
        groups.push_back(NonWeaponGroup::Rogue);
    int low = 99, high = -1;
    for (const NonWeaponGroup g : groups) {
        const auto entries = nonWeaponGroupEntries(g);
        for (std::size_t p = 1; p < entries.size(); ++p) {
            if (entries[p] == entry) {
                low = std::min(low, nonWeaponCost(g, static_cast<int>(p)));
                high = std::max(high, nonWeaponCost(g, static_cast<int>(p)));
            }
        }
    }
    return {low, high};
}

// What every completed fill must satisfy, whatever the classes.
void expectCompleteFill(const Generator& g, const test::GenerationRun& run) {
    const Character& c = g.character();
    const CharacterOptions& o = g.options();
    ASSERT_TRUE(run.fillStopped) << c.classLine << " level " << int{c.level};
    EXPECT_FALSE(run.fillStoppedEarly) << c.classLine;
    EXPECT_FALSE(hasDuplicates(c.weapons)) << c.classLine;
    EXPECT_FALSE(hasDuplicates(c.nonWeapons)) << c.classLine;
    EXPECT_LE(c.weaponSlotsFilled, c.weaponSlots);
    EXPECT_TRUE(weaponFillComplete(o, c));
    EXPECT_EQ(c.nonWeaponSlotsUsed, c.nonWeaponSlots) << c.classLine;

    // The costed entries account for every slot spent.
    int low = 0, high = 0;
    for (const std::string& e : c.nonWeapons) {
        if (e == "Languages, Modern" || (o.ranger && e == "Tracking"))
            continue;
        const auto [l, h] = costRange(o, e);
        ASSERT_GE(h, 1) << e << " is in no list this character draws from";
        low += l;
        high += h;
    }
    EXPECT_LE(low, c.nonWeaponSlots) << c.classLine;
    EXPECT_GE(high, c.nonWeaponSlots) << c.classLine;

    if (o.fighter && c.classCount == 1) {
        const std::string prefix = "Weapon specialization in: ";
        ASSERT_EQ(c.specialLine.rfind(prefix, 0), 0u) << c.specialLine;
        EXPECT_FALSE(isWeaponListed(c, c.specialLine.substr(prefix.size())));
    }
}

TEST_F(FillTest, EveryClassSetCompletesAtLevelsOneAndFifteen) {
    for (unsigned mask = 1; mask < 512; ++mask) {
        for (const int level : {1, 15}) {
            ASSERT_TRUE(formShowAtLevel(gen, optionsFromMask(HalfElf, mask, Diviner), level));
            expectCompleteFill(gen, runGeneration(gen, &clock));
        }
    }
}

TEST_F(FillTest, FighterThiefFillsExactlyItsSlots) {
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Human, {"fighter", "thief"}), 1));
        EXPECT_EQ(gen.character().weaponSlots, 4);
        expectCompleteFill(gen, runGeneration(gen, &clock));
        const Character& c = gen.character();
        EXPECT_EQ(c.weapons.size(), 4u);
        const auto thief = setOf(WeaponList::Thief), warrior = setOf(WeaponList::Warrior);
        for (const auto& w : c.weapons) {
            EXPECT_TRUE(thief.count(w) || warrior.count(w)) << w;
        }
    }
}

TEST_F(FillTest, SingleFighterGetsTwoWeaponsAndADifferentSpecialization) {
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Dwarf, {"fighter"}), 1));
        EXPECT_TRUE(gen.state().specializeVisible);
        expectCompleteFill(gen, runGeneration(gen, &clock));
        EXPECT_EQ(gen.character().weapons.size(), 2u);
        EXPECT_EQ(gen.character().weaponSlotsFilled, 2);
    }
}

TEST_F(FillTest, FighterClericAtFifteenTakesTheWholePriestList) {
    ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Human, {"fighter", "cleric"}), 15));
    EXPECT_EQ(gen.character().weaponSlots, 9);
    expectCompleteFill(gen, runGeneration(gen, &clock));
    const auto& w = gen.character().weapons;
    EXPECT_EQ(std::set<std::string>(w.begin(), w.end()), setOf(WeaponList::Priest));
}

TEST_F(FillTest, FighterDruidWithMoreSlotsThanWeaponsStillCompletes) {
    CharacterOptions o = optionsFor(HalfElf, {"fighter", "druid"});
    o.lawChaos = 1;
    o.goodEvil = 1;
    ASSERT_TRUE(formShowAtLevel(gen, o, 15));
    EXPECT_EQ(gen.character().weaponSlots, 9);
    const auto run = runGeneration(gen, &clock);
    expectCompleteFill(gen, run);
    const Character& c = gen.character();
    EXPECT_EQ(c.weaponSlotsFilled, 8);
    EXPECT_EQ(std::set<std::string>(c.weapons.begin(), c.weapons.end()), setOf(WeaponList::Druid));

    // Once complete, a deleted free entry stays deleted and a cleared list stays empty.
    gen.deleteNonWeapon(0);
    gen.clearWeapons();
    const Character after = gen.character();
    EXPECT_FALSE(gen.fillRunning());
    gen.FormShow(o);  // the fill starts again for the next character
    EXPECT_EQ(gen.state().fillInterval, 5);
    EXPECT_FALSE(isNonWeaponListed(after, "Languages, Modern"));
}

TEST_F(FillTest, HandAddedWeaponsCountAsListedAndCanEndTheFill) {
    // A thief's whole list added by hand before the fill draws: nothing is left to draw.
    ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Human, {"thief"}), 1));
    for (const auto e : weaponListEntries(WeaponList::Thief))
        gen.addWeapon(std::string(e));
    const auto run = runGeneration(gen, &clock);
    ASSERT_TRUE(run.fillStopped);
    EXPECT_EQ(gen.character().weaponSlotsFilled, 0);
    EXPECT_EQ(gen.character().weapons.size(), 13u);
    EXPECT_EQ(gen.character().nonWeaponSlotsUsed, gen.character().nonWeaponSlots);

    // A hand-added entry is never drawn again, and a drawn entry the user removes is not
    // replaced.
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Human, {"mage"}), 15));
        gen.addWeapon("Dagger");
        for (int tick = 0; tick < 100 && gen.character().weapons.size() < 2; ++tick) {
            gen.Timer2Timer();
        }
        ASSERT_EQ(gen.character().weapons.size(), 2u);
        gen.removeWeapon(1);
        expectCompleteFill(gen, runGeneration(gen, &clock));
        const Character& c = gen.character();
        EXPECT_EQ(std::count(c.weapons.begin(), c.weapons.end(), "Dagger"), 1);
        EXPECT_EQ(c.weaponSlotsFilled, 3);
        EXPECT_EQ(c.weapons.size(), 3u);
    }
}

TEST_F(FillTest, FreeEntriesComeFirstAndReturnWhileTheFillRuns) {
    ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Elf, {"ranger"}), 10));
    gen.Timer2Timer();
    EXPECT_TRUE(gen.revealRunning());
    EXPECT_EQ(gen.character().nonWeapons,
              (std::vector<std::string>{"Tracking", "Languages, Modern"}));
    gen.deleteNonWeapon(1);
    gen.Timer2Timer();
    EXPECT_EQ(gen.character().nonWeapons,
              (std::vector<std::string>{"Tracking", "Languages, Modern"}));
    expectCompleteFill(gen, runGeneration(gen, &clock));
    EXPECT_EQ(gen.character().nonWeapons[0], "Tracking");

    ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Elf, {"fighter", "mage"}), 4));
    gen.Timer2Timer();
    EXPECT_EQ(gen.character().nonWeapons, std::vector<std::string>{"Languages, Modern"});
}

TEST_F(FillTest, SpecializationChosenEarlyIsReplacedWhenTheFillCompletes) {
    ASSERT_TRUE(formShowAtLevel(gen, optionsFor(Human, {"fighter"}), 15));
    gen.specializeIn(44);
    EXPECT_EQ(gen.character().specialLine, "Weapon specialization in: Whip");
    // Whip listed so the completing draw cannot pick it again.
    gen.addWeapon("Whip");
    ASSERT_TRUE(runGeneration(gen, &clock).fillStopped);
    EXPECT_NE(gen.character().specialLine, "Weapon specialization in: Whip");

    // After completion the button's choice stands.
    gen.specializeIn(0);
    EXPECT_EQ(gen.character().specialLine, "Weapon specialization in: Arquebus ");
}

}  // namespace
}  // namespace tavrel
