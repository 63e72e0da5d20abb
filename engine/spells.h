#pragma once

#include "character.h"
#include "characteroptions.h"

namespace tavrel {

// Appends the wizard spell slots to wizardSpellsLine.
void wizspell(const CharacterOptions& options, Character& character);

// Appends the priest spell slots to priestSpellsLine.
void prspell(const CharacterOptions& options, Character& character);

}  // namespace tavrel
