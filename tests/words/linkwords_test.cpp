#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cliargs.h"
#include "exploration.h"
#include "linkwords.h"
#include "request.h"

namespace tavrel::words {
namespace {

std::vector<std::pair<std::string, std::string>> pairsOf(const std::string& query) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::istringstream in(query);
    for (std::string name, value; std::getline(in, name, '=') && std::getline(in, value, '&');)
        pairs.emplace_back(name, value);
    return pairs;
}

// A link written for any choice the form allows (and a lifted one) reads back as the same
// choice, seed and time: the words written and the words read are the same vocabulary.
TEST(LinkWords, EveryAllowedChoiceReadsBackFromItsLink) {
    std::vector<CharacterOptions> choices;
    for (int race = 0; race < kRaceCount; ++race) {
        for (int lc = 0; lc < 3; ++lc) {
            for (int ge = 0; ge < 3; ++ge) {
                for (const AllowedChoice& choice : allowedClassSets(race, lc, ge)) {
                    CharacterOptions o;
                    o.race = race;
                    o.lawChaos = lc;
                    o.goodEvil = ge;
                    setClassFlags(o, choice.classes);
                    o.school = choice.school;
                    const int n = static_cast<int>(choices.size());
                    o.gender = n % 2;
                    o.levelRange = n % 3;
                    o.diceMethod = (n / 3) % 3;
                    choices.push_back(o);
                }
            }
        }
    }
    CharacterOptions lifted;
    lifted.race = Dwarf;
    lifted.paladin = lifted.druid = lifted.specialist = true;
    lifted.school = Transmuter;
    lifted.lawChaos = 2;
    lifted.goodEvil = 2;
    lifted.restrictionsLifted = true;
    choices.push_back(lifted);

    std::uint32_t seed = 4294967295u;
    for (const CharacterOptions& o : choices) {
        const VirtualSchedule::Start start{seed, seed % kMillisecondsPerDay};
        seed = seed * 69069u + 1u;
        const std::string query = linkQuery(o, start);
        const auto read = readRequest(pairsOf(query), FrontEnd::Link);
        ASSERT_TRUE(std::holds_alternative<Request>(read))
            << query << ": " << std::get<RequestError>(read).message;
        const Request& r = std::get<Request>(read);
        EXPECT_EQ(r.options, o) << query;
        EXPECT_EQ(r.seed, start.seed) << query;
        EXPECT_EQ(r.time, start.time) << query;
    }
    EXPECT_EQ(characterLink("", lifted, {1, 2}), "");
    EXPECT_EQ(characterLink("https://example.org/t/", lifted, {1, 2})
                  .rfind("https://example.org/t/?race=dwarf&", 0),
              0u);
}

// The count is one reader's word for both front ends, each with its own bound: a link holds a
// party of at most 12, and says so; the command line keeps its range. A party link reads back.
TEST(LinkWords, CountIsBoundedByTheFrontEnd) {
    const auto count = [](const std::string& value, FrontEnd frontEnd) {
        return readRequest({{"class", "fighter"}, {"count", value}}, frontEnd);
    };
    EXPECT_EQ(std::get<Request>(count("12", FrontEnd::Link)).count, 12);
    EXPECT_EQ(std::get<Request>(count("1000000", FrontEnd::CommandLine)).count, 1000000);
    EXPECT_EQ(std::get<Request>(readRequest({{"class", "fighter"}}, FrontEnd::Link)).count, 1);
    EXPECT_EQ(std::get<RequestError>(count("13", FrontEnd::Link)).message,
              "count: '13' is not a number from 1 to 12 (a party link holds at most 12 "
              "characters)");
    EXPECT_EQ(std::get<RequestError>(count("1000001", FrontEnd::CommandLine)).message,
              "--count: '1000001' is not a number from 1 to 1000000");
    for (const char* bad : {"0", "-1", "many", ""})
        EXPECT_TRUE(std::holds_alternative<RequestError>(count(bad, FrontEnd::Link))) << bad;

    CharacterOptions o;
    o.fighter = true;
    const std::string link = partyLink("https://example.org/", o, {5, 6}, 4);
    const auto read = readRequest(pairsOf(link.substr(link.find('?') + 1)), FrontEnd::Link);
    ASSERT_TRUE(std::holds_alternative<Request>(read)) << link;
    EXPECT_EQ(std::get<Request>(read).count, 4);
    EXPECT_EQ(std::get<Request>(read).seed, 5u);
    EXPECT_EQ(partyLink("", o, {5, 6}, 4), "");
}

}  // namespace
}  // namespace tavrel::words
