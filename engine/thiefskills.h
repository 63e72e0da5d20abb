#pragma once

#include <string_view>

#include "character.h"
#include "characteroptions.h"

namespace tavrel {

// Rogue skills for the class word "thief", "Bard" or "ranger" (matched case-sensitively; any
// other word changes nothing).
void thiefabilities(const CharacterOptions& options, Character& character,
                    std::string_view classWord);

}  // namespace tavrel
