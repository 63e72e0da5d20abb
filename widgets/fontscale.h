#pragma once

#include <QtGlobal>

class QFont;
class QWidget;

namespace tavrel {

// The windows are laid out in pixels for an 8-point font. A desktop font larger than that is
// honoured by building each window larger in proportion, so that every caption keeps its room:
// the window chooses its fonts at the enlarged size from the start (so that no font is loaded
// at the design size only to be replaced), builds its controls at their design places, and
// then enlarges their geometry with `scaleGeometry`.

// How much larger than 8 points the desktop's font is; 1 when it is not larger.
qreal fontScale(const QFont& desktopFont);

// `points` (or, for a font given in pixels, `pixels`) enlarged by `factor`, as the windows set
// their own fonts.
qreal scaledPoints(qreal points, qreal factor);
int scaledPixels(int pixels, qreal factor);

// Enlarges the geometry of `window` by `factor`: its size, the place and size of each control
// that no layout places, and the margins and spacing of its layouts. Fonts are left as they are.
// A label not placed by a layout then takes at least the room its text needs in its font. A
// factor of 1 or less changes nothing.
void scaleGeometry(QWidget* window, qreal factor);

}  // namespace tavrel
