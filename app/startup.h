#pragma once

#include <QList>

#include "aboutwindow.h"
#include "optionswindow.h"
#include "placeholderwindows.h"

class QWidget;

namespace tavrel {

// Gives the application its name (the title), organisation, version and desktop entry, all from
// the build's single setting of them.
void setApplicationIdentity();

// The three windows of a run, created once in the order options, results, about, and wired
// together; the options window is the main window.
class ProgramWindows {
public:
    ProgramWindows();

    // Honours the desktop's font size: enlarges every window when the desktop's font is larger
    // than the one the windows were laid out for, and centres the options window again.
    void fitToDesktopFont();

    QList<QWidget*> all();

    TForm1 options;
    PlaceholderResults results;
    TForm3 about;
};

}  // namespace tavrel
