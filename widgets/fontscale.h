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

// The windows' font: the 8-point (11-pixel) sans serif they were drawn for, or the closest face
// this desktop has, enlarged by `scale`. Given in pixels, so that the text keeps its proportion
// to the pixel layout whatever the screen's resolution. All three windows use the same font, so
// the font database finds and loads it once.
QFont designFont(qreal scale);

// How much larger than 8 points the desktop's font is; 1 when it is not larger.
qreal fontScale(const QFont& desktopFont);

// A font's `pixels` enlarged by `factor`, as the windows set their own fonts.
int scaledPixels(int pixels, qreal factor);

// Enlarges the geometry of `window` by `factor`: its size and its controls' (scaleControls).
// Fonts are left as they are. A factor of 1 or less changes nothing.
void scaleGeometry(QWidget* window, qreal factor);

// Enlarges the geometry of the controls of `window` by `factor`, but not the window's own size:
// the place and size of each control that no layout places, and the margins and spacing of its
// layouts. A label not placed by a layout then takes at least the room its text needs in its
// font. A factor of 1 or less changes nothing.
void scaleControls(QWidget* window, qreal factor);

}  // namespace tavrel
