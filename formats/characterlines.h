#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "characterjson.h"

namespace tavrel {

// A file of characters, as `tavrel-cli sheet` and the page's Open read one: a file that is one
// character object, however it is laid out, is that character; otherwise each line that is not
// blank is one character, as `tavrel-cli generate --format json` writes a batch. A one-line file
// is one object whatever is wrong with it, so its fault is the object's; the fault of a longer
// file names its line, blank lines counted ("line 3: member ..."), and a line longer than
// kCharacterFileLimit is refused unread.

// The first step, on the start of the file: `head` is all of it when `whole`, otherwise its
// first kCharacterFileLimit + 1 bytes, which no single object fits in. Gives the character, or
// the fault, of a file that is one object; nothing when its lines are to be read one by one, from
// the first, through a CharacterLineReader.
std::optional<CharacterReadResult> readCharacterFileAsOne(std::string_view head, bool whole);

// The second step: the lines of the file, handed over in order.
class CharacterLineReader {
public:
    // One line, with its line end or without. A reader that streams the file need hand over no
    // more than kCharacterFileLimit + 1 bytes of a longer line: that is enough to refuse it.
    // Nothing for a blank line; otherwise its character, or its fault naming the line.
    std::optional<CharacterReadResult> read(std::string_view line);

private:
    int m_number = 0;
};

// Both steps on a file held whole in memory, which is at most kCharacterFileLimit bytes: a longer
// one is refused as a whole ("the file is larger than 1 MiB"), as a window refuses it, not at a
// line that the limit cut short. Hands each character to `each`, in order, with the bytes it was
// read from: the whole file, or its line without the line end. Returns the first fault, after
// which `each` is not called again.
std::optional<std::string> readCharacterLines(
    std::string_view bytes,
    const std::function<void(std::string_view text, const SavedCharacter&)>& each);

}  // namespace tavrel
