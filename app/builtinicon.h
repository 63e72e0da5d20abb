#pragma once

#include <QIcon>

namespace tavrel {

// The program's icon as built into it, in every size a desktop may ask for. The image files are
// read when a size is first asked for, not when the icon is made.
QIcon builtInIcon();

}  // namespace tavrel
