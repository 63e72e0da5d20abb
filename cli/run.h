#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "clock.h"

namespace tavrel::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;
// Output that could not be written: standard output, an --output file or folder.
inline constexpr int kExitOutput = 3;

// The whole command-line tool: `args` are the words after the program name. `in` is what a
// file named "-" reads. Output goes to `out` (or the --output file), one message line to `err`
// on failure. Returns the exit status: 0 on success, 2 on any bad argument, 3 when output could
// not be written.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, const TimeOfDayClock& clock);

}  // namespace tavrel::cli
