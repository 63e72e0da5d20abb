#include "sheetfile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace tavrel {

namespace {

// What the failed step left behind, read before anything else can change errno.
struct Failure {
    int errorNumber;
    QString systemText;
};

bool isPermissionError(int errorNumber) {
    return errorNumber == EACCES || errorNumber == EPERM;
}

// A refusal shows in the file system too: the target exists but may not be written, or its
// folder exists but no file may be created in it. Checked as well as errno, which Qt's own
// clean-up after a failure may already have overwritten.
bool deniedByFileSystem(const QString& path) {
    const QFileInfo target(path);
    if (target.exists()) {
        return !target.isWritable();
    }
    const QFileInfo folder(target.absolutePath());
    return folder.exists() && folder.isDir() && !folder.isWritable();
}

QString describe(const QString& path, const Failure& failure) {
    const bool denied = isPermissionError(failure.errorNumber) || deniedByFileSystem(path);
    QString text = failure.systemText;
    // A short write leaves Qt without a text of its own; the system still has one for errno.
    if ((text.isEmpty() || text == QLatin1String("Unknown error")) && failure.errorNumber != 0) {
        text = QString::fromLocal8Bit(std::strerror(failure.errorNumber));
    }
    return saveErrorText(denied, text, failure.errorNumber);
}

}  // namespace

QString saveErrorText(bool accessDenied, const QString& systemText, int errorNumber) {
    if (accessDenied) {
        return QStringLiteral("File access denied");
    }
    const QString text = systemText.trimmed();
    if (!text.isEmpty() && text != QLatin1String("Unknown error")) {
        return text;
    }
    return QStringLiteral("I/O error %1").arg(errorNumber);
}

std::optional<QString> writeSheetFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Never write in place: that would truncate the old sheet before the new one is complete.
    file.setDirectWriteFallback(false);
    errno = 0;
    // Unbuffered, so that a failed or short write shows at once: a failure while commit()
    // flushes a buffer can go unreported, and the truncated page would then replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const Failure failure{errno, file.errorString()};
        return describe(path, failure);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const Failure failure{errno, file.errorString()};
        file.cancelWriting();
        return describe(path, failure);
    }
    errno = 0;
    if (!file.commit()) {
        const Failure failure{errno, file.errorString()};
        return describe(path, failure);
    }
    return std::nullopt;
}

}  // namespace tavrel
