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

// Whether a link can carry `options`: its words, read back as a link is read, give them
// exactly. Not so for a set the window allows only while the restrictions are lifted, kept
// after the lift box was unticked, nor for a file's choices the reader took but a link refuses.
bool linkCarries(const CharacterOptions& options);

// The whole address: `base` followed by "?" and the query. Empty when `base` is empty: a link
// needs somewhere to point, and there is no default host.
std::string characterLink(std::string_view base, const CharacterOptions& options,
                          const VirtualSchedule::Start& start);

// The link of a party: the first member's link with the count, so that it regenerates the
// `count` characters `tavrel-cli generate --count` makes from that start. Empty when `base` is.
std::string partyLink(std::string_view base, const CharacterOptions& options,
                      const VirtualSchedule::Start& first, int count);

}  // namespace tavrel::words
