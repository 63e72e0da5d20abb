#pragma once

#include <string>
#include <string_view>

#include "character.h"

namespace tavrel {

// The character sheet page as the bytes of its file: 8-bit ISO 8859-1 text with CR LF after
// every line, 63 lines plus the optional thief, special and scroll lines. Texts are UTF-8 in
// the record; every value is HTML-escaped and encoded by sheetText.
std::string characterSheet(const Character& character);

// One value as it is written into the page: & < > become entities, so that markup in a value
// stays text. The double quote is written as it is: the page puts no value inside an attribute,
// and in element text a quote needs no escape, so a generated nickname ("Blackford") reads in
// the file as it always has. Code points that ISO 8859-1 cannot carry (U+0080..U+009F, above
// U+00FF) become decimal character references; any line break becomes CR LF, so the file has no
// other line ends. Malformed UTF-8 is written as
// the replacement character reference rather than as stray bytes.
std::string sheetText(std::string_view utf8);

}  // namespace tavrel
