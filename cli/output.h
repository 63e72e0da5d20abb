#pragma once

#include <string>

#include "character.h"
#include "characteroptions.h"
#include "schedule.h"

namespace tavrel::cli {

// The character as the results window lays it out, as plain UTF-8 text lines.
std::string characterText(const Character& character, const VirtualSchedule::Start& start);

// One JSON object on one line (no line end): seed, startTime, options and every record field.
// Texts are written as they stand, in UTF-8.
std::string characterJson(const CharacterOptions& options, const Character& character,
                          const VirtualSchedule::Start& start);
// The same object appended to `out`, for runs that write many characters into one buffer.
void appendCharacterJson(std::string& out, const CharacterOptions& options,
                         const Character& character, const VirtualSchedule::Start& start);

}  // namespace tavrel::cli
