#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// The name a saved character's file is given by default, before its extension: the first name
// of `name` (UTF-8) in characters that every common file system and shell takes as they are.
// "Farograk, the first son of..." gives "Farograk", "Anth'ileilan" keeps its apostrophe, and a
// name with nothing usable gives "character".
std::string characterFileStem(std::string_view name);

}  // namespace tavrel
