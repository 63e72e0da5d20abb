#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "characteroptions.h"

namespace tavrel::words {

// A request for characters is made of the words race, class, alignment, gender, levels, dice,
// seed, time, lift and count, on the command line (`--race elf`, lift as --lift-restrictions) and
// in a character link (`race=elf`, lift=1) alike. Both are read here, so that the same words get
// the same verdict wherever they are typed; only the spelling of a word in a message differs.
enum class FrontEnd { CommandLine, Link };

// What the words ask for: characters, which need a class set the options window allows (unless
// lifted), or the class sets a race and alignment allow, which need no class.
enum class Asking { Characters, ClassSets };

struct Request {
    CharacterOptions options;
    std::optional<std::uint32_t> seed;  // each when given; the front end picks one otherwise
    std::optional<std::uint32_t> time;
    int count = 1;  // characters one after another on the same run
};

// The most characters a request may ask for. A link is for a table of players, so it holds a
// party; the command line writes as it makes, and is bounded only against a mistyped number.
inline constexpr int kLinkMaxCount = 12;
inline constexpr int kCommandLineMaxCount = 1'000'000;

// What is wrong with a request: the word it concerns, and one sentence naming the value as the
// front end spells it ("--race: 'orc' is not a race (...)", "race: 'orc' is not ...").
struct RequestError {
    std::string word;
    std::string message;
    // Set for a class set the options window would not allow: what was asked for, so that the
    // front end can follow the reason with how to reach it (lifting, or the sets allowed).
    std::optional<CharacterOptions> refused;
};

// Reads ordered name=value pairs. An unknown or repeated name, a bad value, a missing class or a
// class set the window would not allow is refused; of several faults the first in the order
// race, alignment, class, gender, levels, dice, lift, the allowed set, time, seed, count is
// named.
std::variant<Request, RequestError> readRequest(
    const std::vector<std::pair<std::string, std::string>>& words, FrontEnd frontEnd,
    Asking asking = Asking::Characters);

// Whether `name` is one of the words above (the command line's --lift-restrictions is "lift").
bool isRequestWord(std::string_view name);

// "--race is given twice": no front end can tell which of two values was meant, so a repeated
// word is refused, a front end's own words (--count, --output) as well as the request's.
std::string givenTwiceText(FrontEnd frontEnd, std::string_view word);

}  // namespace tavrel::words
