#pragma once

#include <QList>
#include <functional>

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
// whose dice reseed from the real clock. The windows are built at the desktop's font size: when
// the desktop's font is larger than the one they were laid out for, they are built larger.
class ProgramWindows {
public:
    // An empty opener means the desktop's own; the soak test passes a recorder so that no mail
    // program starts.
    explicit ProgramWindows(LinkOpener opener = {});

    // Moves any window that would reach past the screen's edge back onto it.
    void fitToDesktop();

    QList<QWidget*> all();

    // `tavrel FILE.json`: the results window shows the character as the event loop starts,
    // as though "Generate!" had been pressed; the options window shows when it closes.
    void showAtStart(const SavedCharacter& character);

    // How much larger than designed the windows are (fontScale of the desktop's font).
    const qreal scale;
    Random random;
    const SystemClock clock;
    Generator generator;
    TForm1 options;
    TForm2 results;
    TForm3 about;
};

// The program: the application, its identity and icon, the windows, and the event loop until the
// options window closes. `beforeShow` runs once the windows exist, just before the options window
// shows; the measurement programs in bench/ hook in there, so they start exactly as a user's run.
int runProgram(int& argc, char** argv, const std::function<void(ProgramWindows&)>& beforeShow = {});

}  // namespace tavrel
