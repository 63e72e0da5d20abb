#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "characteroptions.h"
#include "clock.h"
#include "exploration.h"

namespace tavrel::words {

// Parsers for the command-line words; each returns nullopt for a word it does not accept.
std::optional<int> parseRace(std::string_view word);
// Alignment abbreviations LG .. CE (TN for N): {lawChaos, goodEvil}.
std::optional<std::pair<int, int>> parseAlignment(std::string_view word);
std::optional<int> parseGender(std::string_view word);
std::optional<int> parseLevels(std::string_view word);
std::optional<int> parseDice(std::string_view word);
using tavrel::parseTime;  // HH:MM:SS[.mmm], shared with the character files
std::optional<std::uint32_t> parseSeed(std::string_view text);  // 0 .. 4294967295
std::optional<int> parseCount(std::string_view text, int maximum);

// What each value must be, as a refusal says it, on the command line and in a link alike.
inline constexpr const char* kRaceExpected =
    "a race (elf, half-elf, dwarf, human, gnome, halfling)";
inline constexpr const char* kAlignmentExpected =
    "an alignment (LG, LN, LE, NG, N, NE, CG, CN, CE)";
inline constexpr const char* kGenderExpected = "male or female";
inline constexpr const char* kLevelsExpected = "low, mid or high";
inline constexpr const char* kDiceExpected = "3d6, 4d6 or best-of-two";
inline constexpr const char* kTimeExpected = "a time HH:MM:SS.mmm";
inline constexpr const char* kSeedExpected = "a number from 0 to 4294967295";
inline constexpr const char* kFormatExpected = "text, json, html or csv";

// What --format asks for; the words are matched exactly, as typed.
enum class OutputFormat { Text, Json, Html, Csv };
std::optional<OutputFormat> parseFormat(std::string_view word);

// Applies a comma list of class words (a school name means a specialist of that school) to the
// options. Returns an error text, or nullopt on success.
std::optional<std::string> applyClassList(std::string_view list, CharacterOptions& options);

using tavrel::formatTime;  // "HH:MM:SS.mmm"

// The class words of a choice, in the order --class takes them ("fighter,mage").
std::string classWords(const AllowedChoice& choice);

// Words for the alignment axes ("LG", "N", ...).
std::string alignmentWord(int lawChaos, int goodEvil);

inline constexpr std::string_view kRaceWords[] = {"elf",   "half-elf", "dwarf",
                                                  "human", "gnome",    "halfling"};
inline constexpr std::string_view kGenderWords[] = {"male", "female"};
inline constexpr std::string_view kLevelWords[] = {"low", "mid", "high"};
inline constexpr std::string_view kDiceWords[] = {"3d6", "4d6", "best-of-two"};

}  // namespace tavrel::words
