#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tavrel {

// Writes the page to `path`, replacing any file of that name only once every byte has reached
// the disk: a failed save leaves the previous file as it was and no partial file behind.
// Returns the error text to show the user, or nullopt on success.
std::optional<QString> writeSheetFile(const QString& path, const QByteArray& bytes);

// The text that names a failed save: "File access denied" for a permission failure, otherwise
// the system's own text, and "I/O error N" when the system has none.
QString saveErrorText(bool accessDenied, const QString& systemText, int errorNumber);

}  // namespace tavrel
