#pragma once

#include <vector>

#include "characteroptions.h"

namespace tavrel::cli {

// Every class set a user can reach in the options window with the rules in force, for a race
// and an alignment, in a stable order (found by exploring the window's own rules model).
std::vector<CharacterOptions> allowedClassSets(int race, int lawChaos, int goodEvil);

// Whether the class flags (and school) of `options` are one of those sets.
bool isAllowedClassSet(const CharacterOptions& options);

}  // namespace tavrel::cli
