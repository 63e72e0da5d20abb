#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "builders.h"
#include "paramname.h"
#include "thiefskills.h"

namespace tavrel {
namespace {

// A fresh generation's lines, as the driver leaves them before the end of the reveal.
Character startOfGeneration(int level, int dexterity) {
    Character c;
    c.level = toCounter(level);
    c.abilityScore[DEX] = dexterity;
    c.thiefLine = "No thief abilities";
    return c;
}

struct SkillCase {
    const char* name;
    const char* classWord;
    int race;
    int level;
    int dexterity;
    const char* thiefLine;
    const char* specialLine;
    const char* scrollLine;
    friend void PrintTo(const SkillCase& s, std::ostream* os) { *os << s.name; }
};

class Skills : public ::testing::TestWithParam<SkillCase> {};

TEST_P(Skills, WriteTheirLines) {
    const SkillCase& row = GetParam();
    CharacterOptions o;
    o.race = row.race;
    Character c = startOfGeneration(row.level, row.dexterity);
    thiefabilities(o, c, row.classWord);
    EXPECT_EQ(c.thiefLine, row.thiefLine);
    EXPECT_EQ(c.specialLine, row.specialLine);
    EXPECT_EQ(c.scrollLine, row.scrollLine);
}

constexpr const char* kThiefScroll =
    "Can read priest and mage scrolls with a 25% chance of failure";
constexpr const char* kBardScroll = "Can read priest and mage scrolls with a 15% chance of failure";

INSTANTIATE_TEST_SUITE_P(
    Rows, Skills,
    ::testing::Values(
        SkillCase{"HumanThiefLevel1Dex13", "thief", Human, 1, 13,
                  "PP:26  OL:17  F/RT:12  MS:17  HS:12  DN:22  CW:67  RL:7",
                  "Backstab Multiplier:2", ""},
        SkillCase{"HumanThiefDex9GoesNegative", "thief", Human, 1, 9,
                  "PP:11  OL:7  F/RT:2  MS:-3  HS:2  DN:22  CW:67  RL:7", "Backstab Multiplier:2",
                  ""},
        SkillCase{"HumanThiefLevel15HasNoUpperLimit", "thief", Human, 15, 13,
                  "PP:75  OL:70  F/RT:65  MS:70  HS:65  DN:75  CW:120  RL:60",
                  "Backstab Multiplier:5", kThiefScroll},
        SkillCase{"ThiefLevel9CannotReadScrolls", "thief", Human, 9, 13,
                  "PP:56  OL:47  F/RT:42  MS:47  HS:42  DN:52  CW:97  RL:37",
                  "Backstab Multiplier:4", ""},
        SkillCase{"ThiefLevel10ReadsScrolls", "thief", Human, 10, 13,
                  "PP:58  OL:51  F/RT:46  MS:51  HS:46  DN:56  CW:101  RL:41",
                  "Backstab Multiplier:4", kThiefScroll},
        SkillCase{"HalflingThiefLevel2Dex19", "thief", Halfling, 2, 19,
                  "PP:48  OL:46  F/RT:31  MS:46  HS:46  DN:31  CW:56  RL:6",
                  "Backstab Multiplier:2", ""},
        SkillCase{"DwarfThiefLevel4Dex16", "thief", Dwarf, 4, 16,
                  "PP:39  OL:43  F/RT:38  MS:28  HS:23  DN:33  CW:68  RL:13",
                  "Backstab Multiplier:3", ""},
        SkillCase{"ElfThiefLevel12Dex11", "thief", Elf, 12, 11,
                  "PP:69  OL:53  F/RT:48  MS:53  HS:63  DN:68  CW:108  RL:48",
                  "Backstab Multiplier:5", kThiefScroll},
        SkillCase{"HumanBardLevel1Dex13", "Bard", Human, 1, 13, "PP:15  DN:25  CW:55  RL:10", "",
                  ""},
        SkillCase{"HalfElfBardDex19GetsNoDexterityBonus", "Bard", HalfElf, 1, 19,
                  "PP:25  DN:25  CW:55  RL:10", "", ""},
        SkillCase{"GnomeBardDex9", "Bard", Gnome, 3, 9, "PP:9  DN:32  CW:62  RL:17", "", ""},
        SkillCase{"ElfBardLevel10Dex18ReadsScrolls", "Bard", Elf, 10, 18,
                  "PP:61  DN:58  CW:88  RL:43", "", kBardScroll},
        SkillCase{"HumanRangerLevel1Dex13", "ranger", Human, 1, 13, "HS:10  MS:15", "", ""},
        SkillCase{"RangerDex9HasNoLowerLimit", "ranger", Human, 1, 9, "HS:0  MS:-5", "", ""},
        SkillCase{"ElfRangerDex16GetsOnlyItsRaceBonus", "ranger", Elf, 1, 16, "HS:20  MS:20", "",
                  ""},
        SkillCase{"HalfElfRangerDex17", "ranger", HalfElf, 1, 17, "HS:20  MS:20", "", ""},
        SkillCase{"ElfRangerLevel15Dex19IsCapped", "ranger", Elf, 15, 19, "HS:99  MS:99", "", ""},
        SkillCase{"DwarfRangerLevel12Dex12", "ranger", Dwarf, 12, 12, "HS:77  MS:89", "", ""}),
    test::caseName<SkillCase>);

TEST(RangerSkills, FollowTheLevelTableWithoutAdjustments) {
    // Human, DEX 13: no adjustment, so the values are the fixed start plus the level gains.
    constexpr int kHide[] = {10, 15, 20, 25, 31, 37, 43, 49, 56, 63, 70, 77, 85, 93, 99};
    constexpr int kMove[] = {15, 21, 27, 33, 40, 48, 55, 62, 70, 78, 86, 94, 99, 99, 99};
    CharacterOptions o;
    o.race = Human;
    for (int level = 1; level <= 15; ++level) {
        Character c = startOfGeneration(level, 13);
        thiefabilities(o, c, "ranger");
        EXPECT_EQ(c.thiefLine, "HS:" + std::to_string(kHide[level - 1]) +
                                   "  MS:" + std::to_string(kMove[level - 1]))
            << "level " << level;
    }
}

TEST(ThiefAbilities, OtherWordsChangeNothing) {
    CharacterOptions o;
    o.race = Human;
    for (const char* word : {"Thief", "bard", "Ranger", "THIEF", "", "thief ", "fighter"}) {
        Character c = startOfGeneration(12, 18);
        const Character before = c;
        thiefabilities(o, c, word);
        EXPECT_EQ(c, before) << '"' << word << '"';
    }
}

TEST(ThiefAbilities, LaterCallsOverwriteInDriverOrder) {
    CharacterOptions o;
    o.race = Human;
    Character c = startOfGeneration(10, 13);
    thiefabilities(o, c, "Bard");
    EXPECT_EQ(c.scrollLine, kBardScroll);
    thiefabilities(o, c, "ranger");
    EXPECT_TRUE(c.thiefLine.starts_with("HS:")) << c.thiefLine;
    EXPECT_EQ(c.scrollLine, kBardScroll) << "the ranger leaves the scroll line alone";
    thiefabilities(o, c, "thief");
    EXPECT_TRUE(c.thiefLine.starts_with("PP:") && c.thiefLine.ends_with("RL:41")) << c.thiefLine;
    EXPECT_EQ(c.scrollLine, kThiefScroll);
}

TEST(ThiefAbilities, RaceOutsideTheTableAddsNothing) {
    CharacterOptions o;
    o.race = 9;
    Character c = startOfGeneration(1, 13);
    thiefabilities(o, c, "thief");
    EXPECT_EQ(c.thiefLine, "PP:26  OL:17  F/RT:12  MS:17  HS:12  DN:22  CW:67  RL:7");
}

}  // namespace
}  // namespace tavrel
