#include "thiefskills.h"

namespace tavrel {

// Placeholder until the rogue skills are built.
void thiefabilities(const CharacterOptions&, Character&, std::string_view) {}

}  // namespace tavrel
