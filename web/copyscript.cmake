# Copies one of the page's scripts (SOURCE to TARGET) without its whole-line comments: they
# explain the code to its readers, and a phone should not have to download them. Code and
# strings are left exactly as they are.
file(READ "${SOURCE}" text)
string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" text "\n${text}")
string(REGEX REPLACE "^\n" "" text "${text}")
file(WRITE "${TARGET}" "${text}")
