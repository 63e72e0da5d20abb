#pragma once

#include <QString>
#include <functional>

namespace tavrel {

// Shows the opened program's window without taking the focus away from ours.
inline constexpr int kShowNoActivate = 4;

// One request to the desktop to open a document or address with its associated program, using
// the default action. The texts are carried whole, however long they are: cutting an address
// short would send mail to somebody else.
struct ShellRequest {
    QString file;
    QString parameters;
    QString directory;
    int showMode = kShowNoActivate;
};

// Hands a request to the desktop; true when the desktop accepted it. The program uses
// desktopOpener; tests put a recorder in its place so that no mail program ever starts.
using LinkOpener = std::function<bool(const ShellRequest&)>;

// Opens the request through the desktop services. A text without a scheme is read the way a
// user would type it: an existing file in the request's directory, otherwise a web address.
bool desktopOpener(const ShellRequest& request);

}  // namespace tavrel
