#pragma once

#include <string>
#include <vector>

#include "characteroptions.h"

namespace tavrel::cli {

// Every class set a user can reach in the options window with the rules in force, for a race
// and an alignment, in a stable order (found by exploring the window's own rules model).
std::vector<CharacterOptions> allowedClassSets(int race, int lawChaos, int goodEvil);

// Whether the class flags (and school) of `options` are one of those sets.
bool isAllowedClassSet(const CharacterOptions& options);

// The rule that first blocks the class set of `options` for its race and alignment, in the words
// the options window shows ("Dwarves cannot be mages"); empty when the set is allowed.
std::string refusalText(const CharacterOptions& options);

// For this race and alignment, one line per class or school that no allowed set holds, with why:
// "mage: Dwarves cannot be mages".
std::string unreachableText(int race, int lawChaos, int goodEvil);

}  // namespace tavrel::cli
