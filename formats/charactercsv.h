#pragma once

#include <string>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "schedule.h"

namespace tavrel {

// Characters as a spreadsheet: RFC 4180 comma-separated values in UTF-8, one row a character,
// every row ending in CR LF. docs/character-csv.md lists the columns. It is written for
// spreadsheets only; the character file (JSON) is the format that is read back.

// The byte order mark, by which spreadsheets tell UTF-8 from a local code page, then the header
// row. Written once, before the first row.
void appendCsvHeader(std::string& out);

// One character's row. `link` fills the last column; without one the cell is empty, so that the
// header stays the same whether or not the program knows the page's address.
void appendCharacterCsv(std::string& out, const CharacterOptions& options,
                        const Character& character, const VirtualSchedule::Start& start,
                        std::string_view link = {});

// The classes as the spreadsheet's classes column names them: "Fighter Thief" from the class
// line "Class: Fighter Thief ".
std::string_view classNames(std::string_view classLine);

}  // namespace tavrel
