// The exploration of every user action sequence, held against the published table of what the
// rules allow for each race and alignment.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "exploration.h"

namespace tavrel {
namespace {

using enum ClassBox;

// "F/C/M" -> the class set; letters F R P M S C D T B.
ClassSet parse(std::string_view text) {
    ClassSet set = 0;
    for (char c : text) {
        const std::string_view letters = "FRPMSCDTB";
        const auto at = letters.find(c);
        if (at != std::string_view::npos) {
            set = static_cast<ClassSet>(set | (1u << at));
        }
    }
    return set;
}

std::string describe(const AllowedChoice& c) {
    std::string out;
    for (int i = 0; i < kClassBoxCount; ++i) {
        if (c.classes & (1u << i)) {
            if (!out.empty())
                out += '/';
            out += kClassBoxCaptions[i];
        }
    }
    if (c.school) {
        out += '(';
        out += kSchoolCaptions[*c.school];
        out += ')';
    }
    return out;
}

// Whether every class of `set` suits the alignment (the daggers and notes of the table).
bool alignmentAllows(ClassSet set, int lawChaos, int goodEvil) {
    const bool lawfulGood = lawChaos == 0 && goodEvil == 0;
    const bool trueNeutral = lawChaos == 1 && goodEvil == 1;
    if ((set & bitOf(Paladin)) && !lawfulGood)
        return false;
    if ((set & bitOf(Ranger)) && goodEvil != 0)
        return false;
    if ((set & bitOf(Thief)) && lawfulGood)
        return false;
    if ((set & bitOf(Druid)) && !trueNeutral)
        return false;
    if ((set & bitOf(Bard)) && lawChaos != 1 && goodEvil != 1)
        return false;
    return true;
}

// The table, transcribed per race: single classes, combinations, and the specialist schools.
struct RaceTable {
    std::vector<std::string_view> sets;            // every allowed set apart from alignment
    std::vector<int> schools;                      // schools of the single specialist
    std::vector<std::string_view> withSpecialist;  // sets that add a specialist (Gnome)
};

RaceTable tableFor(int race) {
    switch (race) {
        case Elf:
            return {{"F", "R", "M", "C", "T", "F/M", "F/T"}, {Diviner, Enchanter}, {}};
        case HalfElf: {
            RaceTable t{{"F", "R", "M", "C", "D", "T", "B", "F/C", "F/M", "F/T", "C/M", "T/M",
                         "R/C", "R/T", "F/C/M", "F/T/M"},
                        {Conjurer, Diviner, Enchanter, Transmuter},
                        {}};
            // Druid joins these, and Druid needs True Neutral, which alignmentAllows checks.
            static const std::vector<std::string> withDruid = {
                "F/D",   "C/D",   "T/D",   "M/D",     "F/C/D",  "F/M/D",
                "F/T/D", "C/M/D", "T/M/D", "F/C/M/D", "F/T/M/D"};
            for (const auto& s : withDruid)
                t.sets.push_back(s);
            return t;
        }
        case Dwarf:
            return {{"F", "C", "T", "F/C", "F/T"}, {}, {}};
        case Human:
            return {{"F", "R", "P", "M", "C", "D", "T", "B"},
                    {Abjurer, Conjurer, Diviner, Enchanter, Illusionist, Invoker, Necromancer,
                     Transmuter},
                    {}};
        case Gnome:
            return {{"F", "C", "T", "F/C", "F/T", "C/T"}, {Illusionist}, {"F", "C", "T"}};
        case Halfling:
            return {{"F", "C", "T", "F/T"}, {}, {}};
        default:
            return {};
    }
}

std::set<AllowedChoice> expectedFor(int race, int lawChaos, int goodEvil) {
    const RaceTable table = tableFor(race);
    std::set<AllowedChoice> expected;
    for (std::string_view s : table.sets) {
        const ClassSet set = parse(s);
        if (alignmentAllows(set, lawChaos, goodEvil))
            expected.insert({set, std::nullopt});
    }
    for (int school : table.schools) {
        expected.insert({bitOf(Specialist), school});
        for (std::string_view s : table.withSpecialist) {
            const ClassSet set = static_cast<ClassSet>(parse(s) | bitOf(Specialist));
            if (alignmentAllows(set, lawChaos, goodEvil))
                expected.insert({set, school});
        }
    }
    return expected;
}

struct Case {
    int race;
    int lawChaos;
    int goodEvil;
};

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string race(kRaceCaptions[info.param.race]);
    race.erase(std::remove(race.begin(), race.end(), '-'), race.end());
    return race + "_" + std::string(kLawChaosCaptions[info.param.lawChaos]) +
           std::string(kGoodEvilCaptions[info.param.goodEvil]);
}

std::vector<Case> everyRaceAndAlignment() {
    std::vector<Case> cases;
    for (int r = 0; r < kRaceCount; ++r)
        for (int lc = 0; lc < 3; ++lc)
            for (int ge = 0; ge < 3; ++ge)
                cases.push_back({r, lc, ge});
    return cases;
}

class WhatTheRulesAllow : public ::testing::TestWithParam<Case> {};

TEST_P(WhatTheRulesAllow, ExplorationMatchesTable) {
    const Case c = GetParam();
    const auto found = allowedClassSets(c.race, c.lawChaos, c.goodEvil);
    const std::set<AllowedChoice> reached(found.begin(), found.end());
    const std::set<AllowedChoice> expected = expectedFor(c.race, c.lawChaos, c.goodEvil);

    std::ostringstream extra, missing;
    for (const auto& a : reached)
        if (!expected.count(a))
            extra << " " << describe(a);
    for (const auto& e : expected)
        if (!reached.count(e))
            missing << " " << describe(e);
    EXPECT_TRUE(extra.str().empty()) << "reachable but not in the table:" << extra.str();
    EXPECT_TRUE(missing.str().empty()) << "in the table but unreachable:" << missing.str();
}

INSTANTIATE_TEST_SUITE_P(EveryRaceAndAlignment, WhatTheRulesAllow,
                         ::testing::ValuesIn(everyRaceAndAlignment()), caseName);

}  // namespace
}  // namespace tavrel
