#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "characteroptions.h"
#include "schedule.h"

namespace tavrel::words {

// A character link carries the words of `tavrel-cli generate` in its query:
// race, class, alignment, gender, levels, dice, seed and time, and lift=1 for
// --lift-restrictions. Opening the link regenerates the character the command gives.
struct LinkRequest {
    CharacterOptions options;
    std::optional<std::uint32_t> seed;
    std::optional<std::uint32_t> time;
};

// What is wrong with a link: the word it concerns and one sentence naming the value.
struct LinkError {
    std::string word;
    std::string message;
};

// Reads decoded name=value pairs as `generate` reads its options, with the same checks: an
// unknown or repeated name, a bad value, a missing class, or a class set that the options window
// would not allow (unless lift=1) is an error that names it.
std::variant<LinkRequest, LinkError> readLinkWords(
    const std::vector<std::pair<std::string, std::string>>& words);

// The query (without "?") that regenerates the character started at `start` with `options`.
std::string linkQuery(const CharacterOptions& options, const VirtualSchedule::Start& start);

// The whole address: `base` followed by "?" and the query. Empty when `base` is empty: a link
// needs somewhere to point, and there is no default host.
std::string characterLink(std::string_view base, const CharacterOptions& options,
                          const VirtualSchedule::Start& start);

}  // namespace tavrel::words
