#include <QApplication>

#include "aboutwindow.h"
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

    options.show();
    return QApplication::exec();
}
