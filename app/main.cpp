#include <QApplication>

#include "aboutwindow.h"
#include "measure.h"
#include "optionswindow.h"
#include "placeholderwindows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel Second Edition Character Generator"));
    // The options window is hidden while the results window is shown, so closing the results
    // window must not count as closing the last window: only the options window ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    // Created once, in this order; the first is the main window.
    TForm1 options;
    PlaceholderResults results(options);
    tavrel::TForm3 about(&options);
    options.setResultsWindow(&results);
    options.setAboutWindow(&about);
    QObject::connect(&options, &TForm1::closed, &app, &QApplication::quit);

    const tavrel::Measurement measurement = tavrel::measurementFromEnvironment();
    if (measurement == tavrel::Measurement::Generation) {
        // The stand-in results window generates nothing to measure.
        tavrel::reportMeasurement(QStringLiteral("this build has no results window to generate in"));
        return 4;
    }
    if (measurement == tavrel::Measurement::Startup) {
        tavrel::whenShownAndIdle(options, [&options] {
            const auto widgets = options.findChildren<QWidget*>().size() + 1;
            tavrel::reportMeasurement(QStringLiteral("options window shown and idle, %1 widgets")
                                          .arg(widgets));
            QApplication::quit();
        });
    }

    options.show();
    return QApplication::exec();
}
