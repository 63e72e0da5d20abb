#pragma once

#include <string>
#include <string_view>

#include "character.h"
#include "schedule.h"

namespace tavrel {

// The character as the results window lays it out, as plain UTF-8 text lines; the link, when one
// is given, follows the seed and time.
std::string characterText(const Character& character, const VirtualSchedule::Start& start,
                          std::string_view link = {});

}  // namespace tavrel
