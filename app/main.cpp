#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "aboutwindow.h"
#include "clock.h"
#include "generator.h"
#include "intervaltimer.h"
#include "measure.h"
#include "optionswindow.h"
#include "random.h"
#include "resultswindow.h"

namespace {

// TAVREL_MEASURE=generation: once the options window is idle, ticks Fighter and presses
// "Generate!" as a user would, and quits when the character is complete: the results window is
// showing and both the reveal and the fill have stopped.
void measureOneGeneration(TForm1& options, tavrel::TForm2& results,
                          const tavrel::Generator& generator) {
    const auto quitWhenComplete = [&results, &generator] {
        if (results.isVisible() && !generator.revealRunning() && !generator.fillRunning()) {
            tavrel::reportMeasurement(QStringLiteral("one character generated, level %1")
                                          .arg(generator.character().level));
            QApplication::quit();  // also ends the results window's modal loop
        }
    };
    // Connected after the window's own tick handlers, so the test sees each tick's outcome.
    QObject::connect(&results.revealTimer(), &tavrel::IntervalTimer::timeout, &results,
                     quitWhenComplete);
    QObject::connect(&results.fillTimer(), &tavrel::IntervalTimer::timeout, &results,
                     quitWhenComplete);
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel Second Edition Character Generator"));
    // The options window is hidden while the results window is shown, so closing the results
    // window must not count as closing the last window: only the options window ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    // One generator for the process; the dice reseed from the real clock.
    tavrel::Random random;
    const tavrel::SystemClock clock;
    tavrel::Generator generator(random, clock);

    // Created once, in this order; the first is the main window.
    TForm1 options;
    tavrel::TForm2 results(generator, [&options] { return options.captureOptions(); });
    tavrel::TForm3 about(&options);
    options.setResultsWindow(&results);
    options.setAboutWindow(&about);
    QObject::connect(&results, &tavrel::TForm2::formHidden, &options, &QWidget::show);
    QObject::connect(&options, &TForm1::closed, &app, &QApplication::quit);

    switch (tavrel::measurementFromEnvironment()) {
        case tavrel::Measurement::Startup:
            tavrel::whenShownAndIdle(options, [&options] {
                const auto widgets = options.findChildren<QWidget*>().size() + 1;
                tavrel::reportMeasurement(
                    QStringLiteral("options window shown and idle, %1 widgets").arg(widgets));
                QApplication::quit();
            });
            break;
        case tavrel::Measurement::Generation:
            measureOneGeneration(options, results, generator);
            break;
        case tavrel::Measurement::None:
            break;
    }

    options.show();
    return QApplication::exec();
}
