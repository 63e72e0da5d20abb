#pragma once

#include <span>
#include <string_view>

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

// One of the syllable and phrase tables the names are built from, by its name ("dwarfstart",
// "humsurtitle", ...). Entries are drawn by position, so an entry listed twice is twice as
// likely.
struct NameTable {
    std::string_view name;
    std::span<const std::string_view> entries;
};

// Every name table: the dwarf tables, then the human ones, then the elf ones.
std::span<const NameTable> nameTables();

// The table of that name, or an empty span when there is none.
std::span<const std::string_view> nameTable(std::string_view name);

}  // namespace tavrel
