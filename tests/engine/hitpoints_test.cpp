#include <gtest/gtest.h>

#include "builders.h"
#include "hitpoints.h"

namespace tavrel {
namespace {

using test::optionsFor;

// A character ready for rollhp: class count from the options, a given constitution.
Character ready(const CharacterOptions& o, int con) {
    Character c;
    c.classCount = toCounter(test::classCountOf(o));
    c.abilityScore[CON] = con;
    return c;
}

// Rolls `levels` levels as the reveal does, advancing levelsRolled after each.
void rollLevels(const CharacterOptions& o, Character& c, Random& r, int levels) {
    for (int i = 0; i < levels; ++i) {
        rollhp(o, c, r);
        c.levelsRolled = toCounter(c.levelsRolled + 1);
    }
}

int hitDie(Random& r, int sides) { return r.randomBelow(6500980) % sides + 1; }

TEST(RollHp, FighterMageKeepsEachDieShareTruncatedSeparately) {
    const CharacterOptions o = optionsFor(Human, {"fighter", "mage"});
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        Character c = ready(o, 12);
        Random r(seed);
        Random copy(seed);
        rollhp(o, c, r);
        const int d10 = hitDie(copy, 10);  // warrior die first, then the wizard die
        const int d4 = hitDie(copy, 4);
        ASSERT_EQ(c.hitDiceTotal, d10 / 2 + d4 / 2);
        ASSERT_EQ(r.seed(), copy.seed()) << "exactly two draws";
    }
}

TEST(RollHp, GroupsDrawInOrderWarriorPriestRogueWizard) {
    // All nine classes: one die per group, each divided by 9.
    const CharacterOptions o = test::optionsFromMask(Human, 511);
    Character c = ready(o, 10);
    Random r(777);
    Random copy(777);
    rollhp(o, c, r);
    const int expected = hitDie(copy, 10) / 9 + hitDie(copy, 8) / 9 + hitDie(copy, 6) / 9 +
                         hitDie(copy, 4) / 9;
    EXPECT_EQ(c.hitDiceTotal, expected);
    EXPECT_EQ(r.seed(), copy.seed());
}

TEST(RollHp, FighterTenLevelsThenFixedThree) {
    const CharacterOptions o = optionsFor(Human, {"fighter"});
    for (std::uint32_t seed = 0; seed < 100; ++seed) {
        Character c = ready(o, 12);
        Random r(seed);
        rollLevels(o, c, r, 10);
        const int atTen = totalHitPoints(c);
        ASSERT_GE(atTen, 10);
        ASSERT_LE(atTen, 100);
        const std::uint32_t seedAfterDice = r.seed();
        rollLevels(o, c, r, 1);
        EXPECT_EQ(totalHitPoints(c), atTen + 3);
        EXPECT_EQ(c.conHitPointTotal, 0);
        EXPECT_EQ(r.seed(), seedAfterDice) << "no die after level 10";
    }
}

TEST(RollHp, ThiefRollsD6ThroughLevel11ThenAddsTwo) {
    const CharacterOptions o = optionsFor(Human, {"thief"});
    Character c = ready(o, 10);
    Random r(5);
    rollLevels(o, c, r, 10);
    std::uint32_t before = r.seed();
    rollLevels(o, c, r, 1);  // level 11 still rolls
    EXPECT_NE(r.seed(), before);
    const int at11 = c.hitDiceTotal;
    before = r.seed();
    rollLevels(o, c, r, 1);  // level 12 adds 2 without a draw
    EXPECT_EQ(r.seed(), before);
    EXPECT_EQ(c.hitDiceTotal, at11 + 2);
}

TEST(RollHp, ConstitutionAdjustmentsByGroup) {
    struct Row {
        const char* what;
        CharacterOptions o;
        int con;
        int perLevel;
    };
    const Row rows[] = {
        {"fighter CON 19", optionsFor(Dwarf, {"fighter"}), 19, 5},
        {"fighter CON 15", optionsFor(Human, {"fighter"}), 15, 1},
        {"fighter CON 6", optionsFor(Human, {"fighter"}), 6, -1},
        {"fighter CON 14", optionsFor(Human, {"fighter"}), 14, 0},
        {"cleric CON 19", optionsFor(Dwarf, {"cleric"}), 19, 2},
        {"cleric CON 6", optionsFor(Human, {"cleric"}), 6, 0},
        {"mage CON 15", optionsFor(Human, {"mage"}), 15, 1},
        {"fighter/cleric CON 16", optionsFor(Human, {"fighter", "cleric"}), 16, 4},
    };
    for (const Row& row : rows) {
        Character c = ready(row.o, row.con);
        Random r(99);
        rollLevels(row.o, c, r, 10);
        EXPECT_EQ(c.conHitPointTotal, 10 * row.perLevel) << row.what;
    }
    // Fighter/cleric CON 16 over two classes: 40 / 2 = 20 from constitution at level 10.
    const CharacterOptions fc = optionsFor(Human, {"fighter", "cleric"});
    Character c = ready(fc, 16);
    Random r(3);
    rollLevels(fc, c, r, 12);
    EXPECT_EQ(c.conHitPointTotal, 40);
    EXPECT_EQ(totalHitPoints(c) - c.hitDiceTotal, 20);
}

TEST(RollHp, FighterRangerRollsOneWarriorDieDividedByTwo) {
    const CharacterOptions o = optionsFor(Human, {"fighter", "ranger"});
    Character c = ready(o, 10);
    Random r(11);
    Random copy(11);
    rollhp(o, c, r);
    EXPECT_EQ(c.hitDiceTotal, hitDie(copy, 10) / 2);
    EXPECT_EQ(r.seed(), copy.seed());
}

TEST(TotalHitPoints, ConstitutionSumDividedOnceTruncatingTowardZero) {
    Character c;
    c.classCount = 2;
    c.conHitPointTotal = -5;
    c.hitDiceTotal = 7;
    EXPECT_EQ(totalHitPoints(c), 5);  // -5 / 2 = -2, not -3
    c.conHitPointTotal = 5;
    EXPECT_EQ(totalHitPoints(c), 9);
}

TEST(RollHp, ZeroHitPointsAreAllowed) {
    // A mage/thief of level 1 rolling 1 on both dice keeps 0 of each.
    const CharacterOptions o = optionsFor(Human, {"thief", "mage"});
    for (std::uint32_t seed = 0; seed < 100000; ++seed) {
        Random copy(seed);
        if (hitDie(copy, 6) != 1 || hitDie(copy, 4) != 1) continue;
        Character c = ready(o, 10);
        Random r(seed);
        rollhp(o, c, r);
        EXPECT_EQ(totalHitPoints(c), 0);
        return;
    }
    FAIL() << "no seed rolls 1 and 1";
}

TEST(RollHp, NothingWithoutClasses) {
    Character c;
    Random r(42);
    rollhp(CharacterOptions{}, c, r);
    EXPECT_EQ(r.seed(), 42u);
    EXPECT_EQ(c.hitDiceTotal, 0);
}

}  // namespace
}  // namespace tavrel
