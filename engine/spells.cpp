#include "spells.h"

namespace tavrel {

// Placeholders until the spell tables are built.
void wizspell(const CharacterOptions&, Character&) {}
void prspell(const CharacterOptions&, Character&) {}

}  // namespace tavrel
