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

// Pinned first-level rolls at CON 10 (no constitution share). Each seed was chosen so that a
// broken rule gives another total, and the draws are counted because every later step of the
// character shares the generator.
TEST(RollHp, PinnedFirstLevels) {
    struct Pinned {
        const char* rule;
        CharacterOptions o;
        std::uint32_t seed;
        int hitDice;
        int draws;
    };
    const Pinned cases[] = {
        // d10 7, then d4 3: 3 + 1, where halving the sum would give 5 and the d4 first 3.
        {"each die share is truncated on its own", optionsFor(Human, {"fighter", "mage"}), 17, 4,
         2},
        // d10 9: 9 / 2, where a die for each class would give 7.
        {"two warriors roll one warrior die", optionsFor(Human, {"fighter", "ranger"}), 23, 4, 1},
        // The most four groups can roll (2 + 2 + 1 + 1); these draws reach it in no other order.
        {"groups draw warrior, priest, rogue, wizard",
         optionsFor(Human, {"fighter", "cleric", "thief", "mage"}), 81, 6, 4},
        // 1 on the d6 and 1 on the d4: no floor of one hit point.
        {"a total of 0 stands", optionsFor(Human, {"thief", "mage"}), 75, 0, 2},
    };
    for (const Pinned& p : cases) {
        Character c = ready(p.o, 10);
        Random r(p.seed);
        rollhp(p.o, c, r);
        EXPECT_EQ(totalHitPoints(c), p.hitDice) << p.rule;
        Random counted(p.seed);
        for (int i = 0; i < p.draws; ++i) {
            counted.randomBelow(1);
        }
        EXPECT_EQ(r.seed(), counted.seed()) << p.rule << ": one draw per group";
    }
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

TEST(TotalHitPoints, ConstitutionSumDividedOnceTruncatingTowardZero) {
    Character c;
    c.classCount = 2;
    c.conHitPointTotal = -5;
    c.hitDiceTotal = 7;
    EXPECT_EQ(totalHitPoints(c), 5);  // -5 / 2 = -2, not -3
    c.conHitPointTotal = 5;
    EXPECT_EQ(totalHitPoints(c), 9);
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
