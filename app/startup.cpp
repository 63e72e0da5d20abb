#include "startup.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "appinfo.h"
#include "builtinicon.h"
#include "commandline.h"
#include "fontscale.h"

namespace tavrel {

namespace {

// Holds what Qt says while the application object connects to the display. Without a usable
// display Qt reports it over several lines and then aborts; the user gets one line and status 1
// instead. Once connected, what was held is passed on as Qt would have shown it.
class DisplayConnection {
public:
    DisplayConnection() { s_previous = qInstallMessageHandler(&DisplayConnection::hold); }
    ~DisplayConnection() {
        qInstallMessageHandler(s_previous);
        for (const Held& m : s_held) {
            const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
            s_previous(m.type, context, m.text);
        }
        s_held.clear();
    }
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

private:
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type != QtFatalMsg) {
            s_held.append({type, QByteArray(context.category), text});
            return;
        }
        // What Qt said first names the cause ("could not connect to display :1").
        std::string line = "tavrel: no usable display";
        if (!s_held.isEmpty())
            line += " (" +
                    s_held.first().text.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString() +
                    ")";
        line += "; QT_QPA_PLATFORM=offscreen runs without one\n";
        std::fputs(line.c_str(), stderr);
        std::_Exit(1);
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QList<Held> s_held;
};

}  // namespace

void setApplicationIdentity() {
    // The title goes in as the name, and so serves as the display name too. Set as the display
    // name itself, the platform would append it to the title of every other window.
    QApplication::setApplicationName(QString::fromUtf8(appinfo::kName));
    QApplication::setApplicationVersion(QString::fromUtf8(appinfo::kVersion));
    QApplication::setOrganizationName(QString::fromUtf8(appinfo::kOrganization));
    QApplication::setOrganizationDomain(QString::fromUtf8(appinfo::kOrganizationDomain));
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(appinfo::kAppId));
}

ProgramWindows::ProgramWindows(LinkOpener opener)
    : scale(fontScale(QApplication::font())),
      generator(random, clock),
      options(nullptr, scale),
      results(
          generator, [this] { return options.model().options(); }, nullptr, scale),
      about(&options, std::move(opener), scale) {
    options.setResultsWindow(&results);
    options.setAboutWindow(&about);
    QObject::connect(&results, &TForm2::formHidden, &options, &QWidget::show);
    // Ctrl+O in the options window: a refused file is reported over the options window,
    // which then stays as it was.
    QObject::connect(&options, &TForm1::openRequested, &options, [this] {
        if (results.openCharacterFile(&options)) {
            options.showResults();
        }
    });
}

void ProgramWindows::showAtStart(const SavedCharacter& character) {
    results.showCharacter(character);
    QTimer::singleShot(0, &options, &TForm1::showResults);
}

void ProgramWindows::fitToDesktop() {
    // The results window opens at a fixed place; on a small or highly scaled screen that place
    // would put part of it off the screen.
    for (QWidget* window : all()) {
        const QScreen* screen = window->screen();
        if (screen == nullptr) {
            continue;
        }
        const QRect area = screen->availableGeometry();
        const int x =
            std::max(area.left(), std::min(window->x(), area.right() + 1 - window->width()));
        const int y =
            std::max(area.top(), std::min(window->y(), area.bottom() + 1 - window->height()));
        window->move(x, y);
    }
}

QList<QWidget*> ProgramWindows::all() {
    return {&options, &results, &about};
}

int runProgram(int& argc, char** argv, const std::function<void(ProgramWindows&)>& beforeShow) {
    // Before the application object: --help, --version and a bad file need no display.
    const CommandLine commandLine = readCommandLine(argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    std::optional<DisplayConnection> connecting(std::in_place);
    QApplication app(argc, argv);
    connecting.reset();
    setApplicationIdentity();
    // The icon built into the program: the same drawing the package installs into the hicolor
    // theme, where menus and docks find it through the desktop entry. Looking it up in the
    // desktop's icon theme instead would read the theme's index and search its folders at every
    // start.
    QApplication::setWindowIcon(builtInIcon());
    // The options window is hidden while the results window is shown, so closing the results
    // window must not count as closing the last window: only the options window ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    ProgramWindows windows;
    windows.fitToDesktop();
    QObject::connect(&windows.options, &TForm1::closed, &app, &QApplication::quit);
    if (beforeShow) {
        beforeShow(windows);
    }
    if (commandLine.character) {
        windows.showAtStart(*commandLine.character);
    } else {
        windows.options.show();
    }
    return QApplication::exec();
}

}  // namespace tavrel
