#pragma once

#include <charconv>
#include <string>

namespace tavrel {

// Appends the decimal digits of `value` to a display line. The lines are composed anew for
// every character, so numbers go straight into the line's own storage rather than through
// temporary strings.
inline void appendNumber(std::string& line, int value) {
    char digits[16];
    line.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace tavrel
