#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "characterjson.h"

namespace tavrel {

// How many characters a file may hold: a window opens one; `tavrel-cli sheet` takes a batch.
enum class CharacterFileLayout {
    // One character object, however it is laid out.
    One,
    // One object, or one character a line, as `tavrel-cli generate --format json` writes them;
    // see characterlines.h.
    Lines,
};

// Reads the characters of the regular file at `path` and hands each to `each`, in order. Returns
// the first fault, after which `each` is not called again: "is a folder", "is not a regular
// file" (a FIFO or a device, refused without waiting for it), "cannot be read: <why>", "line 3:
// member ..." or the character reader's own words. The text leaves the file unnamed, since each
// front end names it in its own way. At most one byte past the size limit is read at a time, so
// a huge file costs no memory to refuse.
std::optional<std::string> readCharacters(const QString& path, CharacterFileLayout layout,
                                          const std::function<void(const SavedCharacter&)>& each);

// The one character of a file, for the windows; the error names the file by the path as given.
CharacterReadResult readCharacterFile(const QString& path);

}  // namespace tavrel
