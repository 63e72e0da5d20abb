#include "linkopener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace tavrel {

bool desktopOpener(const ShellRequest& request) {
    if (request.file.isEmpty())
        return false;
    QUrl url(request.file);
    if (url.scheme().isEmpty()) {
        url = QUrl::fromUserInput(request.file, QDir::currentPath());
    }
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

}  // namespace tavrel
