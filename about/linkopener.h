#pragma once

#include <QString>
#include <functional>

namespace tavrel {

// One request to the desktop to open a document or address with its associated program, using
// the default action. The text is carried whole, however long it is: cutting an address short
// would send mail to somebody else.
struct ShellRequest {
    QString file;
};

// Hands a request to the desktop; true when the desktop accepted it. The program uses
// desktopOpener; tests put a recorder in its place so that no mail program ever starts.
using LinkOpener = std::function<bool(const ShellRequest&)>;

// Opens the request through the desktop services. A text without a scheme is read the way a
// user would type it: an existing file in the current folder, otherwise a web address.
bool desktopOpener(const ShellRequest& request);

}  // namespace tavrel
