#pragma once

#include <QString>

#include "characterjson.h"

namespace tavrel {

// Reads and checks a character file. The error names the file, then what was wrong; at most one
// byte past the size limit is ever read, so a huge file or a device costs nothing to refuse.
CharacterReadResult readCharacterFile(const QString& path);

}  // namespace tavrel
