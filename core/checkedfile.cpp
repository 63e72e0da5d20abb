#include "checkedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace tavrel {

namespace {

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

// `errorNumber` and `qtText` are what the failed step left behind, read before anything else
// can change errno.
QString describe(const QString& path, int errorNumber, const QString& qtText) {
    const bool denied = isPermissionError(errorNumber) || deniedByFileSystem(path);
    return saveErrorText(denied, qtText, errorNumber);
}

// A device, a FIFO or a socket: renaming a new file over it would replace it with a plain file.
bool existsAsNonRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

}  // namespace

CheckedFile::CheckedFile(QString path) : m_path(std::move(path)) {}

// A QSaveFile destroyed before its commit discards what it wrote.
CheckedFile::~CheckedFile() = default;

bool CheckedFile::fail() {
    const int errorNumber = errno;
    const QString qtText = m_file ? m_file->errorString() : QString();
    m_error = describe(m_path, errorNumber, qtText);
    m_file.reset();
    return false;
}

bool CheckedFile::open() {
    m_replacing = !existsAsNonRegularFile(m_path);
    if (m_replacing) {
        auto save = std::make_unique<QSaveFile>(m_path);
        // Never write in place: that would truncate the old file before the new one is complete.
        save->setDirectWriteFallback(false);
        m_file = std::move(save);
    } else {
        m_file = std::make_unique<QFile>(m_path);
    }
    errno = 0;
    // Unbuffered, so that a failed or short write shows at once: a failure while commit()
    // flushes a buffer can go unreported, and the truncated file would then replace the old one.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail();
    }
    return true;
}

bool CheckedFile::write(std::string_view bytes) {
    if (!m_file) {
        return false;
    }
    errno = 0;
    const auto size = static_cast<qint64>(bytes.size());
    if (m_file->write(bytes.data(), size) != size) {
        return fail();
    }
    return true;
}

bool CheckedFile::commit() {
    if (!m_file) {
        return false;
    }
    errno = 0;
    if (m_replacing) {
        if (!static_cast<QSaveFile*>(m_file.get())->commit()) {
            return fail();
        }
    } else {
        m_file->close();
        if (m_file->error() != QFileDevice::NoError) {
            return fail();
        }
    }
    m_file.reset();
    return true;
}

std::optional<QString> writeCheckedFile(const QString& path, std::string_view bytes) {
    CheckedFile file(path);
    if (file.open() && file.write(bytes) && file.commit()) {
        return std::nullopt;
    }
    return file.errorText();
}

bool fileHolds(const QString& path, std::string_view bytes) {
    // The size first: a device or a FIFO is never read, and a file of another size never is.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != static_cast<qint64>(bytes.size())) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray held = file.read(static_cast<qint64>(bytes.size()) + 1);
    return std::string_view(held.constData(), static_cast<std::size_t>(held.size())) == bytes;
}

QString saveErrorText(bool accessDenied, const QString& systemText, int errorNumber) {
    if (accessDenied) {
        return QStringLiteral("File access denied");
    }
    const auto known = [](const QString& text) {
        return !text.isEmpty() && text != QLatin1String("Unknown error") &&
               !text.startsWith(QLatin1String("Unknown error "));
    };
    const QString text = systemText.trimmed();
    if (known(text)) {
        return text;
    }
    // A short write leaves Qt without a text of its own; the system may still name errno.
    if (errorNumber != 0) {
        const QString system = QString::fromLocal8Bit(std::strerror(errorNumber));
        if (known(system)) {
            return system;
        }
    }
    return QStringLiteral("I/O error %1").arg(errorNumber);
}

}  // namespace tavrel
