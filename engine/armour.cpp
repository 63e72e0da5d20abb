#include "armour.h"

namespace tavrel {

// Placeholder until the armour rules are built.
void setac(const CharacterOptions&, Character&, Random&) {}

}  // namespace tavrel
