// The eligibility rules as State / Action / Expected cases.
#include <gtest/gtest.h>

#include "eligibility.h"
#include "exploration.h"

namespace tavrel {
namespace {

using enum ClassBox;

ClassSet setOf(std::initializer_list<ClassBox> boxes) {
    ClassSet set = 0;
    for (ClassBox b : boxes)
        set = static_cast<ClassSet>(set | bitOf(b));
    return set;
}

// A shown window with this race and alignment and nothing ticked.
EligibilityModel shown(int race, int lawChaos, int goodEvil) {
    EligibilityModel m;
    EXPECT_TRUE(m.setRace(race));
    EXPECT_TRUE(m.setLawChaos(lawChaos));
    EXPECT_TRUE(m.setGoodEvil(goodEvil));
    m.FormShow();
    return m;
}

TEST(Eligibility, FirstStateIsElfLawfulGood) {
    const EligibilityModel m;
    EXPECT_EQ(m.race(), Elf);
    EXPECT_EQ(m.offeredSet(), setOf({Fighter, Ranger, Cleric, Mage, Specialist}));
    EXPECT_EQ(m.tickedSet(), 0);
    EXPECT_FALSE(m.panelVisible());
    EXPECT_EQ(m.restrictionsActive(), 1);
    for (int s = 0; s < kSchoolCount; ++s) {
        EXPECT_EQ(m.schoolOffered(s), s == Diviner || s == Enchanter) << kSchoolCaptions[s];
    }
    EXPECT_FALSE(m.generateAccepted());
}

TEST(Eligibility, ElfFighterOffersMageAndThiefButNeverBothWithFighter) {
    EligibilityModel m = shown(Elf, 2, 0);  // Chaotic Good
    ASSERT_TRUE(m.setClassTicked(Fighter, true));
    EXPECT_EQ(m.offeredSet(), setOf({Fighter, Mage, Thief}));
    ASSERT_TRUE(m.setClassTicked(Mage, true));
    EXPECT_FALSE(m.offered(Thief));
    EXPECT_FALSE(m.setClassTicked(Thief, true));
    // The reason names the combination in the way, not one class of it.
    EXPECT_EQ(m.reason(Thief).text(), "Elf fighter/mages cannot also be thieves");

    m = shown(Elf, 2, 0);
    ASSERT_TRUE(m.setClassTicked(Thief, true));
    ASSERT_TRUE(m.setClassTicked(Fighter, true));
    EXPECT_FALSE(m.offered(Mage));
    EXPECT_EQ(m.tickedSet(), setOf({Fighter, Thief}));

    // Lawful Good: the fighter row does not offer the thief.
    m = shown(Elf, 0, 0);
    ASSERT_TRUE(m.setClassTicked(Fighter, true));
    EXPECT_EQ(m.offeredSet(), setOf({Fighter, Mage}));
}

TEST(Eligibility, HalfElfClericAndDruidLockEachOther) {
    EligibilityModel m = shown(HalfElf, 1, 1);
    ASSERT_TRUE(m.setClassTicked(Cleric, true));
    EXPECT_TRUE(m.offered(Druid)) << "withdrawn by the cleric, offered again by the druid row";
    ASSERT_TRUE(m.setClassTicked(Druid, true));
    EXPECT_FALSE(m.offered(Cleric));
    EXPECT_FALSE(m.offered(Druid));
    EXPECT_FALSE(m.setClassTicked(Cleric, false));
    EXPECT_FALSE(m.setClassTicked(Druid, false));
    EXPECT_EQ(m.tickedSet(), setOf({Cleric, Druid}));
    // Only a change of race or alignment frees them.
    ASSERT_TRUE(m.setGoodEvil(0));
    EXPECT_EQ(m.tickedSet(), 0);
}

TEST(Eligibility, HalfElfThiefThenRanger) {
    EligibilityModel m = shown(HalfElf, 1, 0);  // Neutral Good
    ASSERT_TRUE(m.setClassTicked(Thief, true));
    EXPECT_TRUE(m.offered(Ranger));
    ASSERT_TRUE(m.setClassTicked(Ranger, true));
    EXPECT_EQ(m.tickedSet(), setOf({Ranger, Thief}));
    EXPECT_TRUE(m.generateAccepted());

    // The other order cannot get there: the ranger withdraws the thief.
    m = shown(HalfElf, 1, 0);
    ASSERT_TRUE(m.setClassTicked(Ranger, true));
    EXPECT_FALSE(m.offered(Thief));
}

TEST(Eligibility, HumanIsSingleClassed) {
    EligibilityModel m = shown(Human, 1, 1);
    const ClassSet fullOffer = m.offeredSet();
    EXPECT_EQ(fullOffer, setOf({Fighter, Mage, Specialist, Cleric, Druid, Thief, Bard}));
    ASSERT_TRUE(m.setClassTicked(Druid, true));
    EXPECT_EQ(m.offeredSet(), setOf({Druid}));
    ASSERT_TRUE(m.setClassTicked(Druid, false));
    EXPECT_EQ(m.offeredSet(), fullOffer);

    ASSERT_TRUE(m.setClassTicked(Specialist, true));
    EXPECT_TRUE(m.panelVisible());
    EXPECT_EQ(m.offeredSet(), setOf({Specialist}));
    EXPECT_FALSE(m.generateAccepted()) << "a specialist needs a school";
    ASSERT_TRUE(m.selectSchool(Necromancer));
    EXPECT_TRUE(m.generateAccepted());
    ASSERT_TRUE(m.setClassTicked(Specialist, false));
    EXPECT_FALSE(m.panelVisible());
    EXPECT_EQ(m.school(), std::nullopt);
    EXPECT_EQ(m.offeredSet(), fullOffer);
}

TEST(Eligibility, SelectingASchoolNestsResetsThroughSpecres) {
    // A fighter and a specialist ticked while lifted; restoring the rules leaves Specialist
    // ticked but withdrawn. Selecting a school then unticks Fighter (specres), whose reaction
    // finds no class and no offered Specialist and resets, which unticks Specialist in turn.
    // specres then goes on withdrawing the boxes after Fighter in reset order, so only the two
    // before it (Paladin, Ranger) and Specialist keep the offer that the nested reset made.
    EligibilityModel m = shown(Human, 0, 0);
    m.setRestrictionsLifted(true);
    ASSERT_TRUE(m.setClassTicked(Fighter, true));
    ASSERT_TRUE(m.setClassTicked(Specialist, true));
    m.setRestrictionsLifted(false);
    EXPECT_EQ(m.tickedSet(), setOf({Fighter, Specialist}));
    EXPECT_FALSE(m.offered(Specialist));
    ASSERT_TRUE(m.selectSchool(Abjurer));
    EXPECT_EQ(m.tickedSet(), 0);
    EXPECT_FALSE(m.panelVisible());
    EXPECT_EQ(m.school(), std::nullopt);
    EXPECT_EQ(m.offeredSet(), setOf({Paladin, Ranger, Specialist}));
}

TEST(Eligibility, GnomeSpecialistCombines) {
    EligibilityModel m = shown(Gnome, 2, 2);
    ASSERT_TRUE(m.setClassTicked(Fighter, true));
    ASSERT_TRUE(m.setClassTicked(Specialist, true));
    EXPECT_EQ(m.tickedSet(), setOf({Fighter, Specialist})) << "no specialist exclusivity";
    EXPECT_EQ(m.offeredSet(), setOf({Fighter, Specialist}));
    ASSERT_TRUE(m.selectSchool(Illusionist));
    EXPECT_TRUE(m.generateAccepted());
    EXPECT_FALSE(m.selectSchool(Abjurer)) << "a gnome may only be an illusionist";
}

TEST(Eligibility, HalflingClericAndFighterExcludeEachOther) {
    EligibilityModel m = shown(Halfling, 2, 2);
    ASSERT_TRUE(m.setClassTicked(Cleric, true));
    EXPECT_EQ(m.offeredSet(), setOf({Cleric}));
    ASSERT_TRUE(m.setClassTicked(Cleric, false));
    ASSERT_TRUE(m.setClassTicked(Fighter, true));
    EXPECT_EQ(m.offeredSet(), setOf({Fighter, Thief}));
}

TEST(Eligibility, AlignmentChangeResetsUnlessLifted) {
    EligibilityModel m = shown(Dwarf, 2, 2);
    ASSERT_TRUE(m.setClassTicked(Thief, true));
    ASSERT_TRUE(m.setLawChaos(0));
    ASSERT_TRUE(m.setGoodEvil(0));
    EXPECT_EQ(m.tickedSet(), 0);
    EXPECT_FALSE(m.offered(Thief));

    m = shown(Dwarf, 2, 2);
    m.setRestrictionsLifted(true);
    ASSERT_TRUE(m.setClassTicked(Thief, true));
    const ClassSet offer = m.offeredSet();
    ASSERT_TRUE(m.setGoodEvil(0));
    ASSERT_TRUE(m.setRace(Human));
    EXPECT_EQ(m.tickedSet(), setOf({Thief}));
    EXPECT_EQ(m.offeredSet(), offer);
}

TEST(Eligibility, LiftingOffersAllButFighterAndCleric) {
    EligibilityModel m = shown(Human, 0, 0);
    ASSERT_TRUE(m.setClassTicked(Mage, true));
    m.setRestrictionsLifted(true);
    EXPECT_EQ(m.restrictionsActive(), 0);
    EXPECT_EQ(m.offeredSet(), setOf({Paladin, Thief, Druid, Mage, Specialist, Ranger, Bard}));
}

TEST(Eligibility, TicksMadeWhileLiftedSurviveTheRules) {
    EligibilityModel m = shown(Human, 0, 0);
    m.setRestrictionsLifted(true);
    ASSERT_TRUE(m.setClassTicked(Fighter, true));
    ASSERT_TRUE(m.setClassTicked(Mage, true));
    m.setRestrictionsLifted(false);
    EXPECT_EQ(m.restrictionsActive(), 1);
    EXPECT_EQ(m.tickedSet(), setOf({Fighter, Mage}));
    EXPECT_FALSE(m.offered(Mage)) << "ticked but withdrawn";
    EXPECT_TRUE(m.generateAccepted());
}

TEST(Eligibility, UntickingSpecialistWhileLiftedRestoresTheRaceOffer) {
    EligibilityModel m = shown(Elf, 2, 2);
    m.setRestrictionsLifted(true);
    ASSERT_TRUE(m.setClassTicked(Thief, true));
    ASSERT_TRUE(m.setClassTicked(Specialist, true));
    ASSERT_TRUE(m.setClassTicked(Bard, true));
    ASSERT_TRUE(m.setClassTicked(Specialist, false));
    EXPECT_EQ(m.tickedSet(), 0);
    EXPECT_TRUE(m.restrictionsLifted());
    EXPECT_EQ(m.restrictionsActive(), 0);
    EXPECT_EQ(m.offeredSet(), setOf({Fighter, Cleric, Thief, Mage, Specialist}));
}

TEST(Eligibility, ShowingAgainKeepsSelectionsAndClearsClasses) {
    EligibilityModel m = shown(Human, 2, 1);
    ASSERT_TRUE(m.setGender(1));
    ASSERT_TRUE(m.setLevelRange(2));
    ASSERT_TRUE(m.setDiceMethod(1));
    ASSERT_TRUE(m.setClassTicked(Specialist, true));
    ASSERT_TRUE(m.selectSchool(Invoker));
    m.setRestrictionsLifted(true);
    m.FormShow();
    const CharacterOptions o = m.options();
    EXPECT_EQ(o.race, Human);
    EXPECT_EQ(o.lawChaos, 2);
    EXPECT_EQ(o.goodEvil, 1);
    EXPECT_EQ(o.gender, 1);
    EXPECT_EQ(o.levelRange, 2);
    EXPECT_EQ(o.diceMethod, 1);
    EXPECT_EQ(classSetOf(o), 0);
    EXPECT_EQ(o.school, std::nullopt);
    EXPECT_FALSE(o.restrictionsLifted);
    EXPECT_FALSE(m.panelVisible());
    EXPECT_EQ(m.restrictionsActive(), 1);
}

TEST(Eligibility, RefusesWhatTheWindowWouldNotAllow) {
    EligibilityModel m;
    const EligibilityModel before = m;
    EXPECT_FALSE(m.setClassTicked(Thief, true)) << "withdrawn";
    EXPECT_FALSE(m.selectSchool(Diviner)) << "panel hidden";
    EXPECT_FALSE(m.setRace(6));
    EXPECT_FALSE(m.setRace(-1));
    EXPECT_FALSE(m.setLawChaos(3));
    EXPECT_FALSE(m.setGender(2));
    EXPECT_FALSE(m.setClassTicked(static_cast<ClassBox>(9), true));
    EXPECT_EQ(m, before);
}

TEST(GenerateCheck, NeedsAClassAndASchoolForASpecialist) {
    CharacterOptions o;
    EXPECT_FALSE(generateAccepted(o));
    o.specialist = true;
    EXPECT_FALSE(generateAccepted(o));
    o.school = Transmuter;
    EXPECT_TRUE(generateAccepted(o));
    o = {};
    o.bard = true;
    EXPECT_TRUE(generateAccepted(o));
}

TEST(ApplyOptions, FindsAnOrderTheRulesAllow) {
    CharacterOptions wanted;
    wanted.race = HalfElf;
    wanted.lawChaos = 2;
    wanted.goodEvil = 0;
    wanted.gender = 1;
    wanted.ranger = true;
    wanted.thief = true;
    EligibilityModel m;
    ASSERT_TRUE(applyOptions(m, wanted));
    EXPECT_EQ(m.options(), wanted);

    wanted = {};
    wanted.race = Human;
    wanted.specialist = true;
    wanted.school = Illusionist;
    ASSERT_TRUE(applyOptions(m, wanted));
    EXPECT_EQ(m.options(), wanted);
}

TEST(ApplyOptions, RefusesWhatTheRulesForbidUnlessLifted) {
    CharacterOptions wanted;
    wanted.race = Human;
    wanted.fighter = true;
    wanted.mage = true;
    EligibilityModel m;
    EXPECT_FALSE(applyOptions(m, wanted));
    EXPECT_EQ(m.tickedSet(), 0);

    wanted.restrictionsLifted = true;
    wanted.specialist = true;
    wanted.school = Abjurer;
    ASSERT_TRUE(applyOptions(m, wanted));
    EXPECT_EQ(m.options(), wanted);

    wanted.school.reset();
    EXPECT_FALSE(applyOptions(m, wanted)) << "a specialist without a school";
    wanted.school = 8;
    EXPECT_FALSE(applyOptions(m, wanted));
}

}  // namespace
}  // namespace tavrel
