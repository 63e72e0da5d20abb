#include <gtest/gtest.h>

#include "cliargs.h"

namespace tavrel::words {
namespace {

TEST(CliArgs, WordsMapToTheRecordIndexes) {
    EXPECT_EQ(parseRace("Half-Elf"), 1);
    EXPECT_EQ(parseRace("HALFLING"), 5);
    EXPECT_EQ(parseRace("halfelf"), std::nullopt);
    EXPECT_EQ(parseAlignment("LG"), (std::pair{0, 0}));
    EXPECT_EQ(parseAlignment("ne"), (std::pair{1, 2}));
    EXPECT_EQ(parseAlignment("NG"), (std::pair{1, 0}));
    EXPECT_EQ(parseAlignment("LN"), (std::pair{0, 1}));
    EXPECT_EQ(parseAlignment("TN"), (std::pair{1, 1}));
    EXPECT_EQ(parseAlignment("N"), (std::pair{1, 1}));
    EXPECT_EQ(parseAlignment("NN"), std::nullopt);
    EXPECT_EQ(parseAlignment("GL"), std::nullopt);
    EXPECT_EQ(parseDice("best-of-two"), 2);
    EXPECT_EQ(parseLevels("mid"), 1);
    EXPECT_EQ(parseGender("Female"), 1);
}

TEST(CliArgs, TimeSeedAndCountBounds) {
    EXPECT_EQ(parseTime("00:00:00.000"), 0u);
    EXPECT_EQ(parseTime("23:59:59.999"), 86'399'999u);
    EXPECT_EQ(parseTime("12:34:56"), 45'296'000u);
    for (const char* bad : {"24:00:00.000", "12:60:00.000", "12:00:60.000", "1:00:00.000",
                            "12:00:00.0000", "12-00-00.000", "ab:cd:ef.ghi", "", "12:00:00."}) {
        EXPECT_EQ(parseTime(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(formatTime(45'296'007), "12:34:56.007");
    EXPECT_EQ(parseTime(formatTime(86'399'999)), 86'399'999u);

    EXPECT_EQ(parseSeed("4294967295"), 4294967295u);
    EXPECT_EQ(parseSeed("0"), 0u);
    for (const char* bad : {"4294967296", "-1", "+1", "1e3", " 1", "", "99999999999999999999"}) {
        EXPECT_EQ(parseSeed(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(parseCount("3", 10), 3);
    EXPECT_EQ(parseCount("0", 10), std::nullopt);
    EXPECT_EQ(parseCount("11", 10), std::nullopt);
    EXPECT_EQ(parseCount("two", 10), std::nullopt);
}

TEST(CliArgs, ClassListsAndSchools) {
    CharacterOptions o;
    EXPECT_EQ(applyClassList("fighter, Thief", o), std::nullopt);
    EXPECT_TRUE(o.fighter && o.thief && !o.mage && !o.specialist);
    EXPECT_EQ(classWords(classChoiceOf(o)), "fighter,thief");

    CharacterOptions s;
    EXPECT_EQ(applyClassList("illusionist,fighter", s), std::nullopt);
    EXPECT_TRUE(s.specialist && s.fighter);
    EXPECT_EQ(s.school, Illusionist);
    EXPECT_EQ(classWords(classChoiceOf(s)), "fighter,illusionist");

    CharacterOptions empty;
    EXPECT_NE(applyClassList("", empty), std::nullopt);
    EXPECT_NE(applyClassList("fighter,,mage", empty), std::nullopt);
}

}  // namespace
}  // namespace tavrel::words
