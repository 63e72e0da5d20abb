#include <QApplication>

#include "program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel Second Edition Character Generator"));
    // The options window is hidden while the results window is shown, so closing the results
    // window must not count as closing the last window: only the options window ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    tavrel::Program program;
    QObject::connect(&program.options(), &TForm1::closed, &app, &QApplication::quit);

    program.options().show();
    return QApplication::exec();
}
