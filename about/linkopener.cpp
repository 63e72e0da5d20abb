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
        const QString directory =
            request.directory.isEmpty() ? QDir::currentPath() : request.directory;
        url = QUrl::fromUserInput(request.file, directory);
    }
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

}  // namespace tavrel
