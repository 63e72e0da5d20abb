#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "armour.h"
#include "builders.h"
#include "generator.h"

namespace tavrel {
namespace {

using test::optionsFor;
using test::revealToEnd;

const std::regex kThiefSkills(
    R"(PP:-?\d+  OL:-?\d+  F/RT:-?\d+  MS:-?\d+  HS:-?\d+  DN:-?\d+  CW:-?\d+  RL:-?\d+)");
const std::regex kThiefArmour(
    R"(Armor class: -?\d+     Armor type: (Studded leather, or Ring mail armor |Leather or padded armor))");
const std::regex kSlots(R"((Wizard|Priest) Spells: (\d+/)+)");

struct EndOfReveal : ::testing::Test {
    SettableClock clock{9 * 3600 * 1000 + 123};
    Random random{77};
    Generator gen{random, clock};
};

TEST_F(EndOfReveal, HighLevelClericThiefShowsEveryLine) {
    CharacterOptions o = optionsFor(HalfElf, {"cleric", "thief"});
    o.levelRange = 2;
    for (int run = 0; run < 20; ++run) {
        gen.FormShow(o);
        const Character& c = gen.character();
        // Nothing of the final lines is written before the last reveal tick.
        while (c.revealTick < c.level + 5) {
            clock.advance(10);
            gen.Timer1Timer();
        }
        ASSERT_EQ(c.thiefLine, "No thief abilities");
        ASSERT_EQ(c.armourLine, "");
        ASSERT_EQ(c.wizardSpellsLine, "Wizard Spells: ");
        revealToEnd(gen, &clock);

        EXPECT_TRUE(std::regex_match(c.thiefLine, kThiefSkills)) << c.thiefLine;
        EXPECT_EQ(c.specialLine, "Backstab Multiplier:" + std::to_string(c.level / 4 + 2));
        EXPECT_EQ(c.scrollLine, "Can read priest and mage scrolls with a 25% chance of failure");
        EXPECT_TRUE(std::regex_match(c.armourLine, kThiefArmour)) << c.armourLine;
        EXPECT_TRUE(
            c.armourLine.starts_with("Armor class: " + std::to_string(c.armourClass) + "     "));
        EXPECT_EQ(c.wizardSpellsLine, "Wizard Spells:  No Wizard Spells");
        EXPECT_TRUE(std::regex_match(c.priestSpellsLine, kSlots)) << c.priestSpellsLine;
    }
}

TEST_F(EndOfReveal, ThiefLineWinsOverRangerAndBard) {
    CharacterOptions o = optionsFor(Human, {"bard", "ranger", "thief", "mage"});
    o.restrictionsLifted = true;
    o.levelRange = 2;  // the ranger's priest spells start at level 8
    gen.FormShow(o);
    revealToEnd(gen, &clock);
    const Character& c = gen.character();
    EXPECT_TRUE(std::regex_match(c.thiefLine, kThiefSkills)) << c.thiefLine;
    EXPECT_TRUE(c.specialLine.starts_with("Backstab Multiplier:")) << c.specialLine;
    EXPECT_TRUE(std::regex_match(c.wizardSpellsLine, kSlots)) << c.wizardSpellsLine;
    EXPECT_TRUE(std::regex_match(c.priestSpellsLine, kSlots)) << c.priestSpellsLine;
    // With the mage flag no body armour is worn, and no fighter means no shield either.
    EXPECT_EQ(c.armourLine, "Armor class: " + std::to_string(c.armourClass) + "     ");
}

TEST_F(EndOfReveal, RangerPaladinGetsSkillsAndPaladinLine) {
    CharacterOptions o = optionsFor(Human, {"ranger", "paladin"});
    o.levelRange = 2;
    gen.FormShow(o);
    revealToEnd(gen, &clock);
    const Character& c = gen.character();
    EXPECT_TRUE(std::regex_match(c.thiefLine, std::regex(R"(HS:-?\d+  MS:-?\d+)"))) << c.thiefLine;
    EXPECT_TRUE(c.specialLine.starts_with("Lay on hands restores: ")) << c.specialLine;
    EXPECT_EQ(c.scrollLine, "");
    EXPECT_TRUE(c.armourLine.ends_with(" and shield")) << c.armourLine;
    EXPECT_TRUE(std::regex_match(c.priestSpellsLine, kSlots)) << c.priestSpellsLine;
}

TEST_F(EndOfReveal, StartUpRunWithoutClassesStartsUnarmoured) {
    // The hidden start-up run reveals a never-started character: no class, level 0.
    const int ticks = revealToEnd(gen, &clock);
    EXPECT_EQ(ticks, 6);
    const Character& c = gen.character();
    ASSERT_NE(c.abilityScore[DEX], 0);
    const int adjustment = dexterityArmourAdjustment(c.abilityScore[DEX]);
    EXPECT_EQ(c.armourClass, 10 + adjustment);
    EXPECT_EQ(c.armourLine, "Armor class: " + std::to_string(10 + adjustment) + "     ");
}

}  // namespace
}  // namespace tavrel
