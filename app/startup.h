#pragma once

#include <QList>

#include "aboutwindow.h"
#include "clock.h"
#include "generator.h"
#include "linkopener.h"
#include "optionswindow.h"
#include "random.h"
#include "resultswindow.h"

class QWidget;

namespace tavrel {

// Gives the application its name (the title), organisation, version and desktop entry, all from
// the build's single setting of them.
void setApplicationIdentity();

// The three windows of a run, created once in the order options, results, about, and wired
// together; the options window is the main window. With them the one generator of the process,
// whose dice reseed from the real clock.
class ProgramWindows {
public:
    // An empty opener means the desktop's own; the soak test passes a recorder so that no mail
    // program starts.
    explicit ProgramWindows(LinkOpener opener = {});

    // Honours the desktop's font size: enlarges every window when the desktop's font is larger
    // than the one the windows were laid out for, and centres the options window again. Then
    // moves any window that would reach past the screen's edge back onto it.
    void fitToDesktop();

    QList<QWidget*> all();

    Random random;
    const SystemClock clock;
    Generator generator;
    TForm1 options;
    TForm2 results;
    TForm3 about;
};

}  // namespace tavrel
