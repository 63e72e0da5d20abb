// The exploration of every user action sequence, held against our own table of what the rules
// allow for each race and alignment, kept here apart from the rules so that each checks the other.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <deque>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "exploration.h"
#include "paramname.h"

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

// The table per race: single classes, combinations, and the specialist schools.
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
    return test::raceName(info.param.race) + "_" +
           std::string(kLawChaosCaptions[info.param.lawChaos]) +
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

// What the exploration reaches for a race: per alignment, the classes and schools found in some
// allowed set.
struct Reach {
    std::array<ClassSet, 9> classes{};
    std::array<std::uint8_t, 9> schools{};

    static int at(int lawChaos, int goodEvil) { return 3 * lawChaos + goodEvil; }
    bool classAt(int alignment, int box) const { return classes[alignment] & (1u << box); }
    bool classAnywhere(int box) const {
        return std::any_of(classes.begin(), classes.end(),
                           [box](ClassSet c) { return (c & (1u << box)) != 0; });
    }
};

Reach reachFor(int race) {
    Reach reach;
    for (int lc = 0; lc < 3; ++lc)
        for (int ge = 0; ge < 3; ++ge)
            for (const AllowedChoice& choice : allowedClassSets(race, lc, ge)) {
                const int a = Reach::at(lc, ge);
                reach.classes[a] = static_cast<ClassSet>(reach.classes[a] | choice.classes);
                if (choice.school)
                    reach.schools[a] =
                        static_cast<std::uint8_t>(reach.schools[a] | (1u << *choice.school));
            }
    return reach;
}

// A reason is present exactly when its box is withdrawn, and names that box in plain English:
// no "a" before a vowel, and nothing a player would not say ("cannot add cleric").
void expectReasonsMatchOffers(const EligibilityModel& m, const std::string& where) {
    static const std::regex awkward(R"(\ba [AEIOUaeiou]|\badd\b)");
    for (int i = 0; i < kClassBoxCount; ++i) {
        const Reason why = m.reason(static_cast<ClassBox>(i));
        EXPECT_EQ(why.withdrawn(), !m.offered(static_cast<ClassBox>(i)))
            << where << " " << kClassBoxCaptions[i] << ": '" << why.text() << "'";
        if (why.withdrawn()) {
            EXPECT_EQ(why.subject, i) << where;
            EXPECT_FALSE(why.school) << where;
            EXPECT_FALSE(std::regex_search(why.text(), awkward)) << where << ": " << why.text();
        }
    }
    for (int s = 0; s < kSchoolCount; ++s) {
        EXPECT_EQ(m.schoolReason(s).withdrawn(), !m.schoolOffered(s))
            << where << " " << kSchoolCaptions[s];
    }
}

// While the rules have stayed in force, each reason is still true of the state it is shown in.
void expectReasonsHold(const EligibilityModel& m, const Reach& reach, const std::string& where) {
    const int alignment = Reach::at(m.lawChaos(), m.goodEvil());
    const int ticks = std::popcount(static_cast<unsigned>(m.tickedSet()));
    for (int i = 0; i < kClassBoxCount; ++i) {
        const Reason why = m.reason(static_cast<ClassBox>(i));
        const std::string what =
            where + " " + std::string(kClassBoxCaptions[i]) + ": '" + why.text() + "'";
        switch (why.rule) {
            case WithdrawalRule::None:
                break;
            case WithdrawalRule::Race:
                EXPECT_FALSE(reach.classAnywhere(i)) << what;
                break;
            case WithdrawalRule::Alignment:
                EXPECT_FALSE(reach.classAt(alignment, i)) << what;
                EXPECT_TRUE(reach.classAnywhere(i)) << what;
                EXPECT_EQ(
                    static_cast<int>(kAlignmentRules.at(static_cast<std::size_t>(why.detail)).box),
                    i)
                    << what;
                break;
            case WithdrawalRule::Combination:
                EXPECT_TRUE(m.ticked(static_cast<ClassBox>(why.detail))) << what;
                EXPECT_EQ(why.combination & ~m.tickedSet(), 0) << what;  // names what is ticked
                break;
            case WithdrawalRule::OneClass:
                EXPECT_GE(ticks, 1) << what;
                break;
            case WithdrawalRule::TwoClasses:
                EXPECT_GE(ticks, 2) << what;
                break;
            case WithdrawalRule::Specialist:
                EXPECT_TRUE(m.ticked(Specialist)) << what;
                break;
        }
        // A class that the race or the alignment rules out is explained by that, not by a tick.
        if (why.withdrawn() && why.rule != WithdrawalRule::Race &&
            why.rule != WithdrawalRule::Alignment) {
            EXPECT_TRUE(reach.classAt(alignment, i)) << what;
        }
    }
}

// Each class and school is withdrawn in the shown window, with a reason, exactly when no allowed
// set of this race and alignment holds it; the race is the reason when no alignment reaches it,
// an alignment rule for that class otherwise.
TEST_P(WhatTheRulesAllow, ReasonsAgreeWithWhatCanBeReached) {
    const Case c = GetParam();
    const Reach reach = reachFor(c.race);
    const int alignment = Reach::at(c.lawChaos, c.goodEvil);

    ClassSet explained = 0;
    std::uint8_t explainedSchools = 0;
    for (const Reason& why : unreachableReasons(c.race, c.lawChaos, c.goodEvil)) {
        EXPECT_FALSE(why.text().empty());
        if (why.school) {
            explainedSchools = static_cast<std::uint8_t>(explainedSchools | (1u << why.subject));
            EXPECT_EQ(why.rule, WithdrawalRule::Race) << why.text();
        } else {
            explained = static_cast<ClassSet>(explained | (1u << why.subject));
            EXPECT_EQ(why.rule, reach.classAnywhere(why.subject) ? WithdrawalRule::Alignment
                                                                 : WithdrawalRule::Race)
                << why.text();
        }
    }
    constexpr ClassSet kAll = (1u << kClassBoxCount) - 1u;
    EXPECT_EQ(explained, kAll & ~reach.classes[alignment]);
    EXPECT_EQ(explainedSchools, static_cast<std::uint8_t>(~reach.schools[alignment]));
}

// Every state the user can reach with the rules in force: a reason exactly on withdrawn boxes,
// and each reason holds. From each, the lift box ticked, one more action, and the lift box
// unticked again: a reason still exactly on withdrawn boxes.
TEST_P(WhatTheRulesAllow, EveryWithdrawnBoxCarriesItsReason) {
    const Case c = GetParam();
    const Reach reach = reachFor(c.race);
    EligibilityModel start;
    ASSERT_TRUE(start.setRace(c.race) && start.setLawChaos(c.lawChaos) &&
                start.setGoodEvil(c.goodEvil));
    start.FormShow();

    std::set<std::uint64_t> seen{start.stateKey()};
    std::deque<EligibilityModel> queue{start};
    while (!queue.empty()) {
        const EligibilityModel state = queue.front();
        queue.pop_front();
        const std::string where =
            "ticked " + describe({state.tickedSet(), state.school()}) + ", then";
        expectReasonsMatchOffers(state, where);
        expectReasonsHold(state, reach, where);

        EligibilityModel lifted = state;
        lifted.setRestrictionsLifted(true);
        expectReasonsMatchOffers(lifted, where + " lifted");
        for (const UserAction& action : availableActions(lifted)) {
            EligibilityModel after = lifted;
            perform(after, action);
            expectReasonsMatchOffers(after, where + " lifted, one more action");
            after.setRestrictionsLifted(false);
            expectReasonsMatchOffers(after, where + " lifted, one more action, restored");
        }
        if (HasFailure()) {
            return;
        }
        for (const UserAction& action : availableActions(state)) {
            EligibilityModel next = state;
            perform(next, action);
            if (seen.insert(next.stateKey()).second) {
                queue.push_back(next);
            }
        }
    }
}

// A refused class set is explained by a rule about one of its own classes or its school, and a
// set with a class that this alignment never reaches by the race or alignment step first.
TEST_P(WhatTheRulesAllow, RefusalNamesARuleThatBlocksTheSet) {
    const Case c = GetParam();
    const Reach reach = reachFor(c.race);
    const int alignment = Reach::at(c.lawChaos, c.goodEvil);
    const auto found = allowedClassSets(c.race, c.lawChaos, c.goodEvil);
    const std::set<AllowedChoice> allowed(found.begin(), found.end());

    std::vector<AllowedChoice> choices;
    for (ClassSet set = 1; set < (1u << kClassBoxCount); ++set) {
        if (!(set & bitOf(Specialist))) {
            choices.push_back({set, std::nullopt});
        } else if (set == bitOf(Specialist)) {
            for (int s = 0; s < kSchoolCount; ++s)
                choices.push_back({set, s});
        } else {
            // One school is enough for a combination: the first this race can reach, if any.
            const auto first = std::countr_zero(static_cast<unsigned>(reach.schools[alignment]));
            choices.push_back({set, first < kSchoolCount ? first : 0});
        }
    }
    for (const AllowedChoice& choice : choices) {
        const Reason why =
            refusalReason(c.race, c.lawChaos, c.goodEvil, choice.classes, choice.school);
        const std::string what = describe(choice) + ": '" + why.text() + "'";
        ASSERT_EQ(why.withdrawn(), !allowed.count(choice)) << what;
        if (!why.withdrawn())
            continue;
        if (why.school) {
            EXPECT_EQ(why.subject, choice.school) << what;
        } else {
            EXPECT_TRUE(choice.classes & (1u << why.subject)) << what;
        }
        const ClassSet neverHere =
            static_cast<ClassSet>(choice.classes & ~reach.classes[alignment]);
        const bool neverForRace = std::any_of(
            kResetOrder.begin(), kResetOrder.end(),
            [&](ClassBox b) { return (neverHere & bitOf(b)) && !reach.classAnywhere(int(b)); });
        if (neverForRace) {
            EXPECT_EQ(why.rule, WithdrawalRule::Race) << what;
        } else if (neverHere) {
            EXPECT_TRUE(why.rule == WithdrawalRule::Race || why.rule == WithdrawalRule::Alignment)
                << what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRaceAndAlignment, WhatTheRulesAllow,
                         ::testing::ValuesIn(everyRaceAndAlignment()), caseName);

}  // namespace
}  // namespace tavrel
