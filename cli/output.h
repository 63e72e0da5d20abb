#pragma once

#include <string>

#include "character.h"
#include "characteroptions.h"
#include "schedule.h"

namespace tavrel::cli {

// The character as the results window lays it out, as plain UTF-8 text lines.
std::string characterText(const Character& character, const VirtualSchedule::Start& start);

}  // namespace tavrel::cli
