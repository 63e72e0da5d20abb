#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QPushButton>
#include <QTimer>
#include <iostream>

#include "builtinicon.h"
#include "commandline.h"
#include "intervaltimer.h"
#include "measure.h"
#include "startup.h"

namespace {

// TAVREL_MEASURE=generation: once the options window is idle, ticks Fighter and presses
// "Generate!" as a user would, and quits when the character is complete: the results window is
// showing and both the reveal and the fill have stopped.
void measureOneGeneration(tavrel::ProgramWindows& windows) {
    const auto quitWhenComplete = [&windows] {
        const tavrel::Generator& generator = windows.generator;
        if (windows.results.isVisible() && !generator.revealRunning() && !generator.fillRunning()) {
            tavrel::reportMeasurement(QStringLiteral("one character generated, level %1")
                                          .arg(generator.character().level));
            QApplication::quit();  // also ends the results window's modal loop
        }
    };
    // Connected after the window's own tick handlers, so the test sees each tick's outcome.
    QObject::connect(&windows.results.revealTimer(), &tavrel::IntervalTimer::timeout,
                     &windows.results, quitWhenComplete);
    QObject::connect(&windows.results.fillTimer(), &tavrel::IntervalTimer::timeout,
                     &windows.results, quitWhenComplete);
    TForm1& options = windows.options;
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
    // Before the application object: --help, --version and a bad file need no display.
    const tavrel::CommandLine commandLine =
        tavrel::readCommandLine(argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    QApplication app(argc, argv);
    tavrel::setApplicationIdentity();
    // The icon built into the program: the same drawing the package installs into the hicolor
    // theme, where menus and docks find it through the desktop entry. Looking it up in the
    // desktop's icon theme instead would read the theme's index and search its folders at every
    // start, which took a sixth of the start-up on X11.
    QApplication::setWindowIcon(tavrel::builtInIcon());
    // The options window is hidden while the results window is shown, so closing the results
    // window must not count as closing the last window: only the options window ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    tavrel::ProgramWindows windows;
    windows.fitToDesktop();
    QObject::connect(&windows.options, &TForm1::closed, &app, &QApplication::quit);

    switch (tavrel::measurementFromEnvironment()) {
        case tavrel::Measurement::Startup:
            tavrel::whenShownAndIdle(windows.options, [&windows] {
                const auto widgets = windows.options.findChildren<QWidget*>().size() + 1;
                tavrel::reportMeasurement(
                    QStringLiteral("options window shown and idle, %1 widgets").arg(widgets));
                QApplication::quit();
            });
            break;
        case tavrel::Measurement::Generation:
            measureOneGeneration(windows);
            break;
        case tavrel::Measurement::None:
            break;
    }

    if (commandLine.character) {
        windows.showAtStart(*commandLine.character);
    } else {
        windows.options.show();
    }
    return QApplication::exec();
}
