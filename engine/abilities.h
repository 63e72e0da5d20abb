#pragma once

#include "character.h"
#include "characteroptions.h"
#include "clock.h"
#include "random.h"

namespace tavrel {

// Rolls one score with the dice method (0: 3d6, 1: 4d6 drop lowest, 2: better of two 3d6),
// re-rolling every die of the method until the result reaches the minimum. Reseeds from the
// clock once, on entry.
int rollScore(int minimum, int method, Random& random, const TimeOfDayClock& clock);

// Sets the race's ability floors and racial adjustments (race out of range: left as they are).
void applyRaceTable(const CharacterOptions& options, Character& character);

// Raises the floors to the class minima in their fixed order and counts the classes.
void applyClassMinima(const CharacterOptions& options, Character& character);

// Rolls ability `ability` against its floor less its adjustment and stores the final score.
void rollAbility(int ability, const CharacterOptions& options, Character& character, Random& random,
                 const TimeOfDayClock& clock);

}  // namespace tavrel
