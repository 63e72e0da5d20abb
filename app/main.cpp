#include <QApplication>

#include "aboutwindow.h"
#include "clock.h"
#include "generator.h"
#include "optionswindow.h"
#include "random.h"
#include "resultswindow.h"

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

    options.show();
    return QApplication::exec();
}
