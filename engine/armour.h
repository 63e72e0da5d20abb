#pragma once

#include "character.h"
#include "characteroptions.h"
#include "random.h"

namespace tavrel {

// Picks body armour and shield for the classes, adjusts by dexterity and writes
// armourClass and armourLine.
void setac(const CharacterOptions& options, Character& character, Random& random);

}  // namespace tavrel
