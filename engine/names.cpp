#include "names.h"

namespace tavrel {

// Placeholders until the name tables are built.
void dwarfnaming(const CharacterOptions&, Character& character, Random&) { character.name.clear(); }
void elfnaming(const CharacterOptions&, Character& character, Random&) { character.name.clear(); }
void humnaming(const CharacterOptions&, Character& character, Random&) { character.name.clear(); }
void drawName(const CharacterOptions& options, Character& character, Random& random) {
    if (options.race == Dwarf) {
        dwarfnaming(options, character, random);
    } else if (options.race == Elf) {
        elfnaming(options, character, random);
    } else {
        humnaming(options, character, random);
    }
}

}  // namespace tavrel
