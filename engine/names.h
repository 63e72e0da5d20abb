#pragma once

#include "character.h"
#include "characteroptions.h"
#include "random.h"

namespace tavrel {

void dwarfnaming(const CharacterOptions& options, Character& character, Random& random);
void elfnaming(const CharacterOptions& options, Character& character, Random& random);
void humnaming(const CharacterOptions& options, Character& character, Random& random);

// Chooses the naming style by race: dwarves and elves have their own, every other race the
// human one.
void drawName(const CharacterOptions& options, Character& character, Random& random);

}  // namespace tavrel
