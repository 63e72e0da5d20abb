#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "builders.h"
#include "paramname.h"
#include "spells.h"

namespace tavrel {
namespace {

using test::optionsFor;

// The lines as the start of a generation leaves them, with the scores the spells read.
Character ready(int level, int intelligence, int wisdom) {
    Character c;
    c.level = toCounter(level);
    c.abilityScore[INT] = intelligence;
    c.abilityScore[WIS] = wisdom;
    c.wizardSpellsLine = "Wizard Spells: ";
    c.priestSpellsLine = "Priest Spells: ";
    return c;
}

constexpr const char* kNoWizard = " No Wizard Spells";
constexpr const char* kNoPriest = " No Priest Spells";

// Expected texts after "Wizard Spells: " and "Priest Spells: ".
struct SpellCase {
    const char* name;
    CharacterOptions options;
    int level;
    int intelligence;
    int wisdom;
    const char* wizard;
    const char* priest;
    friend void PrintTo(const SpellCase& s, std::ostream* os) { *os << s.name; }
};

class SpellLines : public ::testing::TestWithParam<SpellCase> {};

TEST_P(SpellLines, ListTheSlotsOfEachSpellLevel) {
    const SpellCase& row = GetParam();
    Character c = ready(row.level, row.intelligence, row.wisdom);
    wizspell(row.options, c);
    prspell(row.options, c);
    EXPECT_EQ(c.wizardSpellsLine, std::string("Wizard Spells: ") + row.wizard);
    EXPECT_EQ(c.priestSpellsLine, std::string("Priest Spells: ") + row.priest);
}

INSTANTIATE_TEST_SUITE_P(
    Wizards, SpellLines,
    ::testing::Values(
        SpellCase{"FighterHasNone", optionsFor(Human, {"fighter"}), 1, 18, 18, kNoWizard,
                  kNoPriest},
        SpellCase{"MageLevel1", optionsFor(Human, {"mage"}), 1, 9, 9, "1/", kNoPriest},
        SpellCase{"MageLevel5", optionsFor(Human, {"mage"}), 5, 9, 9, "4/2/1/", kNoPriest},
        SpellCase{"SpecialistLevel1", optionsFor(Human, {"Conjurer"}), 1, 9, 9, "2/", kNoPriest},
        SpellCase{"SpecialistLevel9Int9", optionsFor(Human, {"Diviner"}), 9, 9, 16, "5/4/4/3/",
                  kNoPriest},
        SpellCase{"MageLevel7Int8LacksFourthLevel", optionsFor(Elf, {"mage"}), 7, 8, 9, "4/3/2/",
                  kNoPriest},
        SpellCase{"MageLevel12Int11", optionsFor(Human, {"mage"}), 12, 11, 9, "4/4/4/4/4/",
                  kNoPriest},
        SpellCase{"MageLevel12Int12", optionsFor(Human, {"mage"}), 12, 12, 9, "4/4/4/4/4/1/",
                  kNoPriest},
        SpellCase{"MageLevel11Int18", optionsFor(Human, {"mage"}), 11, 18, 9, "4/4/4/3/2/",
                  kNoPriest},
        SpellCase{"MageLevel14Int13", optionsFor(Human, {"mage"}), 14, 13, 9, "5/5/5/4/4/2/",
                  kNoPriest},
        SpellCase{"MageLevel15Int18", optionsFor(Human, {"mage"}), 15, 18, 9, "5/5/5/5/4/2/1/",
                  kNoPriest},
        SpellCase{"SpecialistLevel15Int14", optionsFor(Human, {"Invoker"}), 15, 14, 9,
                  "6/6/6/6/5/3/2/", kNoPriest},
        SpellCase{"BardLevel1", optionsFor(Human, {"bard"}), 1, 13, 9, kNoWizard, kNoPriest},
        SpellCase{"BardLevel2", optionsFor(Human, {"bard"}), 2, 13, 9, "1/", kNoPriest},
        SpellCase{"BardLevel15", optionsFor(Human, {"bard"}), 15, 13, 9, "3/3/3/3/2/", kNoPriest},
        SpellCase{"MageBardTakesTheBardCells", optionsFor(Human, {"mage", "bard"}), 3, 18, 9,
                  "2/1/", kNoPriest},
        SpellCase{"SpecialistBardKeepsSixthLevel", optionsFor(Human, {"bard", "Enchanter"}), 13, 18,
                  9, "3/3/3/2/1/3/", kNoPriest}),
    test::caseName<SpellCase>);

INSTANTIATE_TEST_SUITE_P(
    Priests, SpellLines,
    ::testing::Values(
        SpellCase{"ClericLevel1Wis12", optionsFor(Human, {"cleric"}), 1, 9, 12, kNoWizard, "1/"},
        SpellCase{"ClericLevel1Wis14", optionsFor(Human, {"cleric"}), 1, 9, 14, kNoWizard, "3/"},
        SpellCase{"ClericLevel1Wis18NeedsSlotsForLaterBonuses", optionsFor(Human, {"cleric"}), 1, 9,
                  18, kNoWizard, "3/"},
        SpellCase{"ClericLevel3Wis16", optionsFor(Human, {"cleric"}), 3, 9, 16, kNoWizard, "4/3/"},
        SpellCase{"DruidLevel5Wis18", optionsFor(Human, {"druid"}), 5, 9, 18, kNoWizard, "5/5/2/"},
        SpellCase{"ClericLevel11Wis16", optionsFor(Human, {"cleric"}), 11, 9, 16, kNoWizard,
                  "7/6/4/3/2/"},
        SpellCase{"ClericLevel11Wis17", optionsFor(Human, {"cleric"}), 11, 9, 17, kNoWizard,
                  "7/6/5/3/2/1/"},
        SpellCase{"ClericLevel14Wis17", optionsFor(Human, {"cleric"}), 14, 9, 17, kNoWizard,
                  "8/8/7/5/3/2/"},
        SpellCase{"ClericLevel15Wis19", optionsFor(Human, {"cleric"}), 15, 9, 19, kNoWizard,
                  "8/8/7/7/4/2/1/"},
        SpellCase{"PaladinLevel8", optionsFor(Human, {"paladin"}), 8, 9, 18, kNoWizard, kNoPriest},
        SpellCase{"PaladinLevel9", optionsFor(Human, {"paladin"}), 9, 9, 13, kNoWizard, "1/"},
        SpellCase{"PaladinLevel15", optionsFor(Human, {"paladin"}), 15, 9, 13, kNoWizard,
                  "3/2/1/1/"},
        SpellCase{"RangerLevel7", optionsFor(Human, {"ranger"}), 7, 9, 14, kNoWizard, kNoPriest},
        SpellCase{"RangerLevel8", optionsFor(Human, {"ranger"}), 8, 9, 14, kNoWizard, "1/"},
        SpellCase{"ClericRangerLevel10", optionsFor(Human, {"cleric", "ranger"}), 10, 9, 12,
                  kNoWizard, "2/1/2/3/2/"},
        SpellCase{"ClericPaladinRangerLevel15", optionsFor(Human, {"cleric", "paladin", "ranger"}),
                  15, 9, 18, kNoWizard, "3/3/2/1/4/2/1/"},
        SpellCase{"MageClericBothLines", optionsFor(Human, {"mage", "cleric"}), 4, 9, 13, "3/2/",
                  "4/2/"}),
    test::caseName<SpellCase>);

// The hidden start-up run has level 0; nothing outside 1..15 may give slots or read the tables.
class OutOfRangeLevel : public ::testing::TestWithParam<int> {};

TEST_P(OutOfRangeLevel, GivesNoSlots) {
    const CharacterOptions all = test::optionsFromMask(Human, 511);
    Character c = ready(GetParam(), 18, 18);
    wizspell(all, c);
    prspell(all, c);
    EXPECT_EQ(c.wizardSpellsLine, "Wizard Spells:  No Wizard Spells");
    EXPECT_EQ(c.priestSpellsLine, "Priest Spells:  No Priest Spells");
}

std::string levelName(const ::testing::TestParamInfo<int>& p) {
    return p.param < 0 ? "Minus" + std::to_string(-p.param) : "Level" + std::to_string(p.param);
}
INSTANTIATE_TEST_SUITE_P(Levels, OutOfRangeLevel, ::testing::Values(0, 16, -1, 127, -128),
                         levelName);

TEST(Spells, EveryLevelOfEveryClassEndsTheLineWithSlotsOrTheNoSpellsText) {
    for (unsigned mask = 0; mask < 512; ++mask) {
        const CharacterOptions o = test::optionsFromMask(Human, mask);
        for (int level = 1; level <= 15; ++level) {
            Character c = ready(level, 9, 9);
            wizspell(o, c);
            prspell(o, c);
            ASSERT_TRUE(c.wizardSpellsLine.ends_with("/") ||
                        c.wizardSpellsLine == "Wizard Spells:  No Wizard Spells")
                << c.wizardSpellsLine;
            ASSERT_TRUE(c.priestSpellsLine.ends_with("/") ||
                        c.priestSpellsLine == "Priest Spells:  No Priest Spells")
                << c.priestSpellsLine;
            const bool casts = o.mage || o.specialist || (o.bard && level >= 2);
            ASSERT_EQ(c.wizardSpellsLine.ends_with("/"), casts) << "mask " << mask;
        }
    }
}

}  // namespace
}  // namespace tavrel
