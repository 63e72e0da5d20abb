#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builders.h"
#include "characterjson.h"
#include "schedule.h"
#include "sheet.h"

namespace tavrel {
namespace {

SavedCharacter read(const std::string& json) {
    const CharacterReadResult r = readCharacterJson(json);
    EXPECT_TRUE(r.character.has_value()) << r.error << "\n" << json;
    return r.character.value_or(SavedCharacter{});
}

// Generated characters of many option sets, a window character without an origin, and texts
// the engine never makes (markup, quotes, line breaks, characters outside Latin-1, empty
// lists): each reads back as the record that was written, and so gives the same sheet.
TEST(CharacterJson, WhatIsWrittenReadsBackAsTheSameRecord) {
    std::vector<SavedCharacter> cases;
    VirtualSchedule schedule(7, 36'000'000);
    for (unsigned mask = 1; mask < 512; mask += 37) {
        const CharacterOptions o = test::optionsFromMask(static_cast<int>(mask % 6), mask);
        const VirtualSchedule::Start start = schedule.generate(o);
        cases.push_back({o, schedule.character(), CharacterOrigin{start.seed, start.time}});
    }
    SavedCharacter typed = cases.front();
    typed.origin.reset();
    typed.character.name =
        "<b>Fos \"Blackford\" Moniw</b> & co\r\nline two\t\u00e9\u20ac\U0001F600";
    typed.character.weapons = {"Dagger ", "", "\"quoted\""};
    typed.character.nonWeapons.clear();
    typed.character.exceptionalStrength = 0;
    typed.character.abilityScore = {0, 3, 19, 0, 0, 0};
    typed.character.hitPoints = -2147483647 - 1;
    typed.options.specialist = true;
    typed.options.school = Transmuter;
    cases.push_back(typed);

    for (const SavedCharacter& saved : cases) {
        const std::string json = characterJson(saved);
        EXPECT_EQ(json.find('\n'), std::string::npos) << "one line, so that a batch is JSON Lines";
        const SavedCharacter back = read(json);
        EXPECT_EQ(back, saved);
        EXPECT_EQ(characterSheet(back.character), characterSheet(saved.character));
        EXPECT_EQ(characterJson(back), json) << "a second write gives the same bytes";
    }
}

// A file written elsewhere may leave out the origin or carry a web address; members may come
// in any order and with blanks between them.
TEST(CharacterJson, AcceptsWhatTheLayoutLeavesOpen) {
    SavedCharacter saved;
    saved.character.level = 1;
    const std::string json = characterJson(saved);
    std::string reordered = json;
    reordered.replace(reordered.find("\"seed\":null,"), 12, "");
    reordered.replace(reordered.find("\"startTime\":null,"), 17, "");
    reordered = "\n { \"link\" : \"https://example.org/c/1\",\n" + reordered.substr(1) + "\n";
    EXPECT_EQ(read(reordered), saved);
}

// Each damaged file is refused with one message that names the member at fault.
TEST(CharacterJson, RefusesDamagedFilesNamingTheMember) {
    SavedCharacter saved;
    saved.character.level = 3;
    saved.character.weapons = {"Dagger"};
    saved.origin = CharacterOrigin{5, 1000};
    const std::string good = characterJson(saved);
    ASSERT_TRUE(readCharacterJson(good).character);

    struct Damage {
        const char* find;
        std::string replace;
        const char* named;  // the message must contain this
    };
    const std::vector<Damage> damages{
        {"\"level\":3", "\"level\":16", "\"level\": 16 is outside 1..15"},
        {"\"level\":3", "\"level\":3.5", "\"level\": is not a whole number"},
        {"\"level\":3", "\"level\":\"3\"", "\"level\""},
        {"\"level\":3,", "", "\"level\": is missing"},
        {"\"level\":3", "\"level\":3,\"level\":3", "\"level\": appears twice"},
        {"\"classCount\":0", "\"classCount\":10", "\"classCount\""},
        {"\"abilityScore\":[0,0,0,0,0,0]", "\"abilityScore\":[0,0,2,0,0,0]",
         "\"abilityScore\": entry 3 2 is outside 0 or 3..19"},
        {"\"abilityScore\":[0,0,0,0,0,0]", "\"abilityScore\":[0,0,0,0,0]", "\"abilityScore\""},
        {"\"racialAdjustment\":[0,0,0,0,0,0]", "\"racialAdjustment\":[0,0,0,0,0,2]",
         "\"racialAdjustment\""},
        {"\"abilityFloor\":[0,0,0,0,0,0]", "\"abilityFloor\":[0,0,0,0,0,128]", "\"abilityFloor\""},
        {"\"exceptionalStrength\":-1", "\"exceptionalStrength\":100", "\"exceptionalStrength\""},
        {"\"armourClass\":0", "\"armourClass\":-129", "\"armourClass\""},
        {"\"hitPoints\":0", "\"hitPoints\":2147483648", "\"hitPoints\""},
        {"\"weapons\":[\"Dagger\"]", "\"weapons\":[\"Dagger\",7]", "\"weapons\": entry 2"},
        {"\"weapons\":[\"Dagger\"]", "\"weapons\":\"Dagger\"", "\"weapons\""},
        {"\"weapons\":[\"Dagger\"]",
         "\"weapons\":[" +
             [] {
                 std::string many = "\"x\"";
                 for (std::size_t i = 1; i <= kCharacterListLimit; ++i)
                     many += ",\"x\"";
                 return many;
             }() +
             "]",
         "\"weapons\": has more than 1000 entries"},
        {"\"name\":\"\"", "\"name\":\"" + std::string(kCharacterTextLimit + 1, 'a') + "\"",
         "\"name\": is longer than 4096 bytes"},
        {"\"name\":\"\"", "\"name\":\"a\\u0000b\"", "\"name\": holds the control character 0"},
        {"\"name\":\"\"", "\"name\":null", "\"name\": is not a text"},
        {"\"name\":\"\"", "\"name\":\"\xC3\x28\"", "not a character file"},
        // An escaped lone surrogate stands for no character: a low one would be read as bytes
        // that are not UTF-8, which no file could hold again, and a high one stops the parser.
        {"\"name\":\"\"", "\"name\":\"X\\udeee\"",
         "member \"name\": holds an escaped lone surrogate"},
        {"\"weapons\":[\"Dagger\"]", "\"weapons\":[\"Dagger\",\"\\ud800\"]",
         "member \"weapons\": holds an escaped lone surrogate"},
        {"\"school\":null", "\"school\":\"\\udbff\\u0041\"",
         "member \"options.school\": holds an escaped lone surrogate"},
        {"\"format\":1", "\"format\":2", "\"format\": 2 is not a layout"},
        {"\"format\":1,", "", "\"format\": is missing"},
        {"\"race\":0", "\"race\":6", "\"options.race\": 6 is outside 0..5"},
        {"\"school\":null", "\"school\":8", "\"options.school\""},
        {"\"school\":null,", "", "\"options.school\": is missing"},
        {"\"fighter\":false", "\"fighter\":0", "\"options.fighter\": is not true or false"},
        {"\"fighter\":false", "\"fighter\":false,\"wizard\":true", "\"options.wizard\""},
        {"\"seed\":5", "\"seed\":-1", "\"seed\""},
        {"\"seed\":5", "\"seed\":null", "must be given with its partner"},
        {"\"startTime\":\"00:00:01.000\"", "\"startTime\":\"24:00:00.000\"", "\"startTime\""},
        {"\"thiefLine\":\"\"", "\"thiefLine\":\"\",\"colour\":\"red\"",
         "\"colour\": is not a member of a character file"},
        {"\"thiefLine\":\"\"", "\"thiefLine\":\"\",\"a\\nb\":1", "\"a\\x0ab\": is not a member"},
        {"\"thiefLine\":\"\"", "\"thiefLine\":\"\",\"link\":3", "\"link\": is not a text"},
        {"{", "[{", "not a character file"},
        {"\"wizardSpellsLine\":\"\"}", "\"wizardSpellsLine\":\"\"}{}", "not a character file"},
        {"\"wizardSpellsLine\":\"\"}", "\"wizardSpellsLine\":\"\"", "not a character file"},
    };
    for (const Damage& d : damages) {
        std::string json = good;
        const std::size_t at = json.find(d.find);
        ASSERT_NE(at, std::string::npos) << d.find;
        json.replace(at, std::string_view(d.find).size(), d.replace);
        const CharacterReadResult r = readCharacterJson(json);
        EXPECT_FALSE(r.character.has_value()) << json;
        EXPECT_NE(r.error.find(d.named), std::string::npos)
            << "message: " << r.error << "\nexpected it to name: " << d.named;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << "one line: " << r.error;
    }

    // What is not JSON at all is said in our words, with where reading stopped.
    EXPECT_EQ(readCharacterJson(std::string(64, '\0')).error,
              "not a character file: reading stopped at line 1, byte 1");
    EXPECT_EQ(readCharacterJson("{\"format\": 1,\n  \"name\": Bob}").error,
              "not a character file: reading stopped at line 2, byte 11 in member \"name\"");

    // Too big is refused before anything is parsed, even when it is otherwise a good file.
    const std::string padded = good + std::string(kCharacterFileLimit - good.size() + 1, ' ');
    EXPECT_NE(readCharacterJson(padded).error.find("larger than 1 MiB"), std::string::npos);
    EXPECT_TRUE(readCharacterJson(good + std::string(kCharacterFileLimit - good.size(), ' '))
                    .character.has_value());
    // Deep nesting is refused without exhausting the stack.
    const std::string deep = std::string(500'000, '[') + std::string(500'000, ']');
    EXPECT_FALSE(readCharacterJson(deep).character.has_value());
}

}  // namespace
}  // namespace tavrel
