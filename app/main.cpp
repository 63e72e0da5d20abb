#include <QApplication>
#include <QIcon>

#include "appinfo.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tavrel::setApplicationIdentity();
    // The desktop's icon theme first; the icon built into the program where it has none.
    QIcon builtIn;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        builtIn.addFile(QStringLiteral(":/icons/org.tavrel.Tavrel-%1.png").arg(size));
    }
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromUtf8(tavrel::appinfo::kAppId), builtIn));
    // The options window is hidden while the results window is shown, so closing the results
    // window must not count as closing the last window: only the options window ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    tavrel::ProgramWindows windows;
    windows.fitToDesktop();
    QObject::connect(&windows.options, &TForm1::closed, &app, &QApplication::quit);

    windows.options.show();
    return QApplication::exec();
}
