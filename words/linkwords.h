#pragma once

#include <string>
#include <string_view>

#include "characteroptions.h"
#include "schedule.h"

namespace tavrel::words {

// The query (without "?") that regenerates the character started at `start` with `options`:
// the words of `tavrel-cli generate`, which readRequest (request.h) reads back as the command
// reads its options, so that opening the link gives the character the command gives.
std::string linkQuery(const CharacterOptions& options, const VirtualSchedule::Start& start);

// The whole address: `base` followed by "?" and the query. Empty when `base` is empty: a link
// needs somewhere to point, and there is no default host.
std::string characterLink(std::string_view base, const CharacterOptions& options,
                          const VirtualSchedule::Start& start);

}  // namespace tavrel::words
