#include <gtest/gtest.h>

#include <set>

#include "builders.h"
#include "generator.h"

namespace tavrel {
namespace {

using test::optionsFor;
using test::revealToEnd;

struct Fixture : ::testing::Test {
    SettableClock clock{12 * 3600 * 1000};
    Random random{2024};
    Generator gen{random, clock};
};

using GeneratorTest = Fixture;

TEST(Lines, AlignmentAndClassLines) {
    Random r;
    SettableClock clock;
    Generator g(r, clock);
    CharacterOptions o = optionsFor(Human, {"fighter"});
    g.FormShow(o);
    EXPECT_EQ(g.character().alignmentLine, "Alignment: Lawful Good");
    o.lawChaos = 1;
    o.goodEvil = 1;
    g.FormShow(o);
    EXPECT_EQ(g.character().alignmentLine, "Alignment: Neutral Neutral");
    o.lawChaos = 2;
    o.goodEvil = 2;
    o.gender = 1;
    o.race = Halfling;
    g.FormShow(o);
    EXPECT_EQ(g.character().alignmentLine, "Alignment: Chaotic Evil");
    EXPECT_EQ(g.character().genderLine, "Gender: Female");
    EXPECT_EQ(g.character().raceLine, "Race: Halfling");

    EXPECT_EQ(classLineFor(optionsFor(Human, {"fighter", "thief"})), "Class: Fighter Thief ");
    EXPECT_EQ(classLineFor(optionsFor(Human, {"mage", "thief"})), "Class: Thief Mage ");
    EXPECT_EQ(classLineFor(optionsFor(Human, {"Illusionist"})), "Class: Illusionist");
    EXPECT_EQ(classLineFor(optionsFor(Human, {"fighter", "Illusionist"})),
              "Class: Fighter Illusionist");
    EXPECT_EQ(classLineFor(test::optionsFromMask(Human, 511, Transmuter)),
              "Class: Fighter Ranger Paladin Druid Cleric Thief Bard Mage Transmuter");
}

TEST(Lines, LevelLineShowsAtMostThreeNumbers) {
    EXPECT_EQ(levelLineFor(7, 1), "Level: 7");
    EXPECT_EQ(levelLineFor(7, 2), "Level: 7/7");
    EXPECT_EQ(levelLineFor(7, 3), "Level: 7/7/7");
    EXPECT_EQ(levelLineFor(12, 9), "Level: 12/12/12");
}

TEST_F(GeneratorTest, LevelRangesStayWithinTheirBounds) {
    const std::pair<int, std::pair<int, int>> ranges[] = {{0, {1, 5}}, {1, {6, 10}}, {2, {11, 15}}};
    for (const auto& [range, bounds] : ranges) {
        CharacterOptions o = optionsFor(Elf, {"mage"});
        o.levelRange = range;
        std::set<int> seen;
        for (int i = 0; i < 300; ++i) {
            gen.FormShow(o);
            seen.insert(gen.character().level);
        }
        EXPECT_EQ(*seen.begin(), bounds.first);
        EXPECT_EQ(*seen.rbegin(), bounds.second);
        EXPECT_EQ(seen.size(), 5u);
    }
}

TEST_F(GeneratorTest, RevealTakesLevelPlusSixTicksAndRollsEachLevelOnce) {
    for (int range = 0; range < 3; ++range) {
        for (int i = 0; i < 20; ++i) {
            CharacterOptions o = optionsFor(Dwarf, {"fighter", "thief"});
            o.levelRange = range;
            gen.FormShow(o);
            EXPECT_EQ(gen.state().revealInterval, 10);
            const Character& c = gen.character();
            const int ticks = revealToEnd(gen, &clock);
            EXPECT_EQ(ticks, c.level + 6);
            EXPECT_EQ(c.levelsRolled, c.level);
            EXPECT_EQ(gen.state().revealInterval, 0);
            for (int a = 0; a < kAbilityCount; ++a) {
                EXPECT_GE(c.abilityScore[a], c.abilityFloor[a]);
                EXPECT_LE(c.abilityScore[a], 19);
            }
            EXPECT_EQ(c.levelLine, levelLineFor(c.level, 2));
            EXPECT_EQ(c.hitPointsLine, "Hit Points " + std::to_string(c.hitPoints));
            EXPECT_EQ(c.hitPoints, c.conHitPointTotal / 2 + c.hitDiceTotal);
        }
    }
}

TEST_F(GeneratorTest, ScoresAppearOnePerTickInAbilityOrder) {
    gen.FormShow(optionsFor(Human, {"cleric"}));
    const Character& c = gen.character();
    EXPECT_EQ(c.abilityScore, (std::array<int, 6>{}));
    for (int t = 0; t < 6; ++t) {
        clock.advance(10);
        gen.Timer1Timer();
        for (int a = 0; a < 6; ++a) {
            EXPECT_EQ(c.abilityScore[a] != 0, a <= t) << "tick " << t << " ability " << a;
        }
        EXPECT_EQ(c.levelLine, levelLineFor(c.level, 1));
    }
}

TEST_F(GeneratorTest, ExceptionalStrengthOnlyForWarriorsWithStr18) {
    const CharacterOptions classes[] = {
        optionsFor(Human, {"fighter"}), optionsFor(Human, {"fighter", "thief"}),
        optionsFor(Human, {"paladin"}), optionsFor(Human, {"thief"}),
        optionsFor(Halfling, {"fighter"})};
    int exceptional = 0;
    for (const CharacterOptions& o : classes) {
        for (int i = 0; i < 400; ++i) {
            gen.FormShow(o);
            revealToEnd(gen, &clock);
            const Character& c = gen.character();
            if (isWarrior(o) && c.abilityScore[STR] == 18) {
                ASSERT_GE(c.exceptionalStrength, 0);
                ASSERT_LE(c.exceptionalStrength, 99);
                ++exceptional;
            } else {
                ASSERT_EQ(c.exceptionalStrength, -1);
            }
            if (o.race == Halfling) {
                ASSERT_LE(c.abilityScore[STR], 17);
            }
        }
    }
    EXPECT_GT(exceptional, 0);
}

TEST_F(GeneratorTest, PaladinLineReplacesAnyEarlierSpecialLine) {
    CharacterOptions o = optionsFor(Human, {"paladin"});
    o.levelRange = 1;
    for (int i = 0; i < 100; ++i) {
        gen.FormShow(o);
        if (gen.character().level == 7)
            break;
    }
    ASSERT_EQ(gen.character().level, 7);
    EXPECT_EQ(gen.character().specialLine, "");
    revealToEnd(gen, &clock);
    EXPECT_EQ(gen.character().specialLine,
              "Lay on hands restores: 14hp     Can cure disease: 2 times/day");
}

TEST_F(GeneratorTest, ReRollMidRevealStartsOverAtStrength) {
    gen.FormShow(optionsFor(Gnome, {"thief"}));
    for (int i = 0; i < 4; ++i)
        gen.Timer1Timer();
    gen.FormShow(optionsFor(Gnome, {"thief"}));
    const Character& c = gen.character();
    EXPECT_EQ(c.revealTick, 0);
    EXPECT_EQ(c.abilityScore, (std::array<int, 6>{}));
    EXPECT_EQ(c.exceptionalStrength, -1);
    EXPECT_EQ(gen.state().revealInterval, 10);
    EXPECT_EQ(revealToEnd(gen, &clock), c.level + 6);
}

TEST_F(GeneratorTest, GenerationStartResetsTheRecord) {
    gen.FormShow(optionsFor(Human, {"fighter", "mage"}));
    revealToEnd(gen, &clock);
    gen.FormShow(optionsFor(Human, {"mage"}));
    const Character& c = gen.character();
    EXPECT_EQ(c.classCount, 1);
    EXPECT_EQ(c.levelsRolled, 0);
    EXPECT_EQ(c.hitDiceTotal, 0);
    EXPECT_EQ(c.conHitPointTotal, 0);
    EXPECT_EQ(c.hitPointsLine, "Hit Points");
    EXPECT_EQ(c.thiefLine, "No thief abilities");
    EXPECT_EQ(c.wizardSpellsLine, "Wizard Spells: ");
    EXPECT_EQ(c.priestSpellsLine, "Priest Spells: ");
    EXPECT_EQ(c.armourLine, "");
    EXPECT_EQ(c.specialLine, "");
    EXPECT_EQ(c.scrollLine, "");
    EXPECT_EQ(c.nonWeaponSlots, 0);
    EXPECT_EQ(c.nonWeaponSlotsUsed, 0);
    EXPECT_EQ(c.weaponSlotsFilled, 0);
    EXPECT_TRUE(c.weapons.empty());
    EXPECT_TRUE(c.nonWeapons.empty());
    EXPECT_FALSE(gen.state().specializeVisible);
}

TEST(Driver, TimerIntervalsFromCreationThroughAReveal) {
    Random r;
    SettableClock clock;
    Generator g(r, clock);
    EXPECT_EQ(g.state().revealInterval, 200);
    EXPECT_EQ(g.state().fillInterval, 10);
    g.FormShow(optionsFor(Elf, {"mage"}));
    EXPECT_EQ(g.state().revealInterval, 10);
    revealToEnd(g, &clock);
    EXPECT_EQ(g.state().revealInterval, 0);
}

TEST(Driver, HiddenStartUpRunReseedsAndEndsSafely) {
    // Before any generation the record is all zero: level 0, no classes, floors 0.
    Random r;
    SettableClock clock(8 * 3600 * 1000 + 123);
    Generator g(r, clock);
    EXPECT_EQ(revealToEnd(g, &clock), 6);
    EXPECT_EQ(g.character().levelsRolled, 0);
    EXPECT_EQ(g.character().classCount, 0);
    for (int a = 0; a < kAbilityCount; ++a) {
        EXPECT_GE(g.character().abilityScore[a], 3);
        EXPECT_LE(g.character().abilityScore[a], 18);
    }
    EXPECT_NE(r.seed(), 0u) << "the dice reseeded from the clock";
    // The fill ticks before the first generation find nothing to do and keep running.
    for (int i = 0; i < 5; ++i)
        g.Timer2Timer();
    EXPECT_EQ(g.state().fillInterval, 10);
    EXPECT_TRUE(g.character().weapons.empty());
}

TEST_F(GeneratorTest, TickAfterTheRevealEndedOnlyStopsTheTimer) {
    gen.FormShow(optionsFor(Human, {"fighter"}));
    revealToEnd(gen, &clock);
    const Character before = gen.character();
    const std::uint32_t seed = random.seed();
    for (int i = 0; i < 3; ++i)
        gen.Timer1Timer();
    EXPECT_EQ(gen.character(), before);
    EXPECT_EQ(random.seed(), seed);
    EXPECT_EQ(gen.state().revealInterval, 0);
}

TEST_F(GeneratorTest, EveryFlagSetAndSpecialistWithoutSchoolRunToTheEnd) {
    CharacterOptions all = test::optionsFromMask(Human, 511);
    all.levelRange = 2;
    gen.FormShow(all);
    EXPECT_EQ(gen.character().classCount, 9);
    EXPECT_EQ(revealToEnd(gen, &clock), gen.character().level + 6);
    EXPECT_EQ(gen.character().levelLine, levelLineFor(gen.character().level, 3));

    CharacterOptions noSchool;
    noSchool.specialist = true;
    gen.FormShow(noSchool);
    EXPECT_EQ(gen.character().classLine, "Class: ");
    EXPECT_EQ(revealToEnd(gen, &clock), gen.character().level + 6);
}

TEST(Driver, SameSeedAndClockReproduceTheCharacter) {
    auto generate = [](std::uint32_t seed) {
        Random r(seed);
        SettableClock clock(40'000'000);
        Generator g(r, clock);
        CharacterOptions o = optionsFor(Dwarf, {"fighter", "cleric"});
        o.levelRange = 2;
        o.diceMethod = 1;
        g.FormShow(o);
        revealToEnd(g, &clock);
        return g.character();
    };
    EXPECT_EQ(generate(17), generate(17));
    EXPECT_EQ(generate(17).abilityScore, generate(17).abilityScore);
}

}  // namespace
}  // namespace tavrel
