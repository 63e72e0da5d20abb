#pragma once

#include <QString>
#include <optional>
#include <ostream>
#include <string>

namespace tavrel::cli {

// `sheet FILE [--output PATH]`: the HTML sheet of a saved character, or of every line of a JSON
// Lines file from `generate`, made by the same writer as the window's. One sheet goes to PATH
// (or `out`); several go into the folder PATH as character-N.htm (or one after another to
// `out`). The whole file is checked before anything is written, so a bad line leaves no sheet
// behind. Returns the message for the user on failure.
std::optional<std::string> writeSheets(const QString& file, const std::optional<QString>& output,
                                       std::ostream& out);

}  // namespace tavrel::cli
