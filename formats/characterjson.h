#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "character.h"
#include "characteroptions.h"

namespace tavrel {

// The character file: one JSON object holding the options, every field of the record, where a
// generated character came from, and the version of the layout. The windows, the command-line
// tool and the web page all read and write it through these functions; docs/character-json.md
// describes it for other programs.
inline constexpr int kCharacterFormat = 1;

// Limits on what a reader accepts, since a file may come from anywhere.
inline constexpr std::size_t kCharacterFileLimit = std::size_t{1} << 20;  // bytes of one file
inline constexpr std::size_t kCharacterTextLimit = 4096;                  // bytes of one text
inline constexpr std::size_t kCharacterListLimit = 1000;                  // entries of one list

// The seed and virtual start time that reproduce a headless character. A character from the
// windows has none: its dice reseed from the real clock while real timers run.
struct CharacterOrigin {
    std::uint32_t seed = 0;
    std::uint32_t startTime = 0;  // milliseconds since midnight UTC

    bool operator==(const CharacterOrigin&) const = default;
};

struct SavedCharacter {
    CharacterOptions options;
    Character character;
    std::optional<CharacterOrigin> origin;

    bool operator==(const SavedCharacter&) const = default;
};

// One object on one line, no line end, members in byte order so that the same character always
// gives the same bytes. Texts are written as they stand, in UTF-8. A null origin writes "seed"
// and "startTime" as null; the character's web address is written as "link" when one is given.
void appendCharacterJson(std::string& out, const CharacterOptions& options,
                         const Character& character, const CharacterOrigin* origin,
                         std::string_view link = {});
std::string characterJson(const SavedCharacter& saved);

// Either the character or the one message that names the member and what was wrong with it.
struct CharacterReadResult {
    std::optional<SavedCharacter> character;
    std::string error;
};

// Reads one character object. Every member is checked for its type and for the record's
// declared range; lists and texts are bounded, and so is the whole input (kCharacterFileLimit).
CharacterReadResult readCharacterJson(std::string_view json);

}  // namespace tavrel
