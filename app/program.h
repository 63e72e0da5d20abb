#pragma once

#include "aboutwindow.h"
#include "clock.h"
#include "generator.h"
#include "linkopener.h"
#include "optionswindow.h"
#include "random.h"
#include "resultswindow.h"

namespace tavrel {

// The program's three windows over its one generator, wired together as start-up wires them:
// "Generate!" runs the results window modally, hiding it shows the options window again, and
// "About" runs the about window. The application object must exist first. Closing the options
// window emits TForm1::closed, which the caller connects to the end of the run.
class Program {
public:
    // An empty opener means the desktop's own; the soak test passes a recorder.
    explicit Program(LinkOpener opener = {});

    TForm1& options() { return m_options; }
    TForm2& results() { return m_results; }
    TForm3& about() { return m_about; }
    Generator& generator() { return m_generator; }

private:
    // One generator for the process; the dice reseed from the real clock.
    Random m_random;
    const SystemClock m_clock;
    Generator m_generator;
    // Created in this order; the first is the main window.
    TForm1 m_options;
    TForm2 m_results;
    TForm3 m_about;
};

}  // namespace tavrel
