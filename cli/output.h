#pragma once

#include <string>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "schedule.h"

namespace tavrel::cli {

// The character as the results window lays it out, as plain UTF-8 text lines; the link, when one
// is given, follows the seed and time.
std::string characterText(const Character& character, const VirtualSchedule::Start& start,
                          std::string_view link = {});

// One JSON object on one line (no line end): seed, startTime, options and every record field,
// and the character's link when one is given. Texts are written as they stand, in UTF-8.
std::string characterJson(const CharacterOptions& options, const Character& character,
                          const VirtualSchedule::Start& start, std::string_view link = {});
// The same object appended to `out`, for runs that write many characters into one buffer.
void appendCharacterJson(std::string& out, const CharacterOptions& options,
                         const Character& character, const VirtualSchedule::Start& start,
                         std::string_view link = {});

}  // namespace tavrel::cli
