#pragma once

#include <optional>
#include <ostream>

#include "characterjson.h"

namespace tavrel {

// What the command line asks of the program: a status to exit with at once (after --help,
// --version or a bad argument, which has been reported on `err`), or a start, with the
// character file to show if one was named.
struct CommandLine {
    std::optional<int> exitStatus;
    std::optional<SavedCharacter> character;
};

// Reads `tavrel [Qt options] [FILE.json]` before the application object exists, so that help,
// the version and errors need no display. Qt's own options (-platform, -style and the rest) are
// accepted here and left in argv for the application object.
CommandLine readCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace tavrel
