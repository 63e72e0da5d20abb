#pragma once

#include <QtGlobal>

class QFont;
class QWidget;

namespace tavrel {

// The windows are laid out in pixels for an 8-point font. A desktop font larger than that is
// honoured by enlarging the windows in proportion, so that every caption keeps its room.

// How much larger than 8 points the desktop's font is; 1 when it is not larger.
qreal fontScale(const QFont& desktopFont);

// Enlarges `window` by `factor`: its size, the geometry of each control that no layout places,
// the margins and spacing of its layouts, and every font that the window or a control sets for
// itself (controls that inherit their font follow their parent). A factor of 1 or less changes
// nothing.
void scaleWindow(QWidget* window, qreal factor);

}  // namespace tavrel
