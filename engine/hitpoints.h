#pragma once

#include "character.h"
#include "characteroptions.h"
#include "random.h"

namespace tavrel {

// One level of hit points: every class group present rolls its die (warrior, priest, rogue,
// wizard, in that order) and keeps die / classCount, or adds its fixed amount once its dice
// have stopped; constitution adjustments are summed undivided into conHitPointTotal.
void rollhp(const CharacterOptions& options, Character& character, Random& random);

// The final hit points: the constitution sum divided once by the class count, plus the dice.
int totalHitPoints(const Character& character);

}  // namespace tavrel
