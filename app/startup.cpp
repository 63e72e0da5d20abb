#include "startup.h"

#include <QApplication>
#include <QScreen>

#include "appinfo.h"
#include "fontscale.h"

namespace tavrel {

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

ProgramWindows::ProgramWindows() : results(options), about(&options) {
    options.setResultsWindow(&results);
    options.setAboutWindow(&about);
}

void ProgramWindows::fitToDesktopFont() {
    const qreal factor = fontScale(QApplication::font());
    for (QWidget* window : all()) {
        scaleWindow(window, factor);
    }
    if (const QScreen* screen = options.screen()) {
        options.move(screen->availableGeometry().center() - options.rect().center());
    }
}

QList<QWidget*> ProgramWindows::all() {
    return {&options, &results, &about};
}

}  // namespace tavrel
