// The program as it starts for a user, through the same runProgram, stopped at a point the
// start-up comparison (bench/startup.sh) measures to:
//
//   measured_tavrel startup      quits once the options window is shown and the loop is idle
//   measured_tavrel generation   then ticks Fighter, presses "Generate!" as a user would, and
//                                quits when the character is complete
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "intervaltimer.h"
#include "measure.h"
#include "startup.h"

namespace {

void measureStartup(tavrel::ProgramWindows& windows) {
    tavrel::whenShownAndIdle(windows.options, [&windows] {
        const auto widgets = windows.options.findChildren<QWidget*>().size() + 1;
        tavrel::reportMeasurement(
            QStringLiteral("options window shown and idle, %1 widgets").arg(widgets));
        QApplication::quit();
    });
}

// Complete means the results window is showing and both the reveal and the fill have stopped.
void measureOneGeneration(tavrel::ProgramWindows& windows) {
    const auto quitWhenComplete = [&windows] {
        const tavrel::Generator& generator = windows.generator;
        if (windows.results.isVisible() && !generator.revealRunning() && !generator.fillRunning()) {
            tavrel::reportMeasurement(QStringLiteral("one character generated, level %1")
                                          .arg(generator.character().level));
            QApplication::quit();  // also ends the results window's modal loop
        }
    };
    // Connected after the window's own tick handlers, so the check sees each tick's outcome.
    QObject::connect(&windows.results.revealTimer(), &tavrel::IntervalTimer::timeout,
                     &windows.results, quitWhenComplete);
    QObject::connect(&windows.results.fillTimer(), &tavrel::IntervalTimer::timeout,
                     &windows.results, quitWhenComplete);
    tavrel::TForm1& options = windows.options;
    tavrel::whenShownAndIdle(options, [&options] {
        options.findChild<QCheckBox*>(QStringLiteral("FighterBox"))->click();
        // "Generate!" runs the results window modally; it is pressed from the event loop so that
        // this callback returns first.
        QTimer::singleShot(0, options.findChild<QPushButton*>(QStringLiteral("Button1")),
                           &QPushButton::click);
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* mode = argc > 1 ? argv[1] : "";
    // The program itself sees the rest of the command line, as a user's run would.
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            argv[i] = argv[i + 1];
        }
        --argc;
    }
    if (std::strcmp(mode, "startup") == 0) {
        return tavrel::runProgram(argc, argv, measureStartup);
    }
    if (std::strcmp(mode, "generation") == 0) {
        return tavrel::runProgram(argc, argv, measureOneGeneration);
    }
    std::fprintf(stderr, "usage: measured_tavrel startup|generation\n");
    return 2;
}
