#include "characterfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "characterlines.h"

namespace tavrel {

namespace {

// Opens `path` into `file` if it is a regular file. A FIFO would wait for a writer and a device
// may never end, so anything else is refused before a byte is read. The file is opened without
// waiting and only then looked at, so that nothing can be put in its place between the look and
// the open.
std::optional<std::string> openRegularFile(const QString& path, QFile& file) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return "cannot be read: " + QString::fromLocal8Bit(std::strerror(errno)).toStdString();
    struct stat info {};
    const bool looked = ::fstat(fd, &info) == 0;
    if (!looked || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (looked && S_ISDIR(info.st_mode))
            return "is a folder";
        return "is not a regular file";
    }
    // A regular file never makes a read wait; the flag goes all the same, as QFile expects.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "cannot be read: " + file.errorString().toStdString();
    return std::nullopt;
}

}  // namespace

std::optional<std::string> readCharacters(const QString& path, CharacterFileLayout layout,
                                          const std::function<void(const SavedCharacter&)>& each) {
    QFile file;
    if (const std::optional<std::string> refused = openRegularFile(path, file))
        return refused;
    const auto unreadable = [&file] {
        return "cannot be read: " + file.errorString().toStdString();
    };
    const auto limit = static_cast<qint64>(kCharacterFileLimit);
    const QByteArray head = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    const std::string_view headBytes(head.constData(), static_cast<std::size_t>(head.size()));
    const std::optional<CharacterReadResult> one =
        layout == CharacterFileLayout::One
            ? readCharacterJson(headBytes)
            : readCharacterFileAsOne(headBytes, head.size() <= limit && file.atEnd());
    if (one) {
        if (!one->character)
            return one->error;
        each(*one->character);
        return std::nullopt;
    }
    // Line by line, so that a batch of any length is never held in memory.
    file.seek(0);
    CharacterLineReader lines;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(limit + 2);
        const std::optional<CharacterReadResult> read =
            lines.read({line.constData(), static_cast<std::size_t>(line.size())});
        if (!read)
            continue;
        if (!read->character)
            return read->error;
        each(*read->character);
    }
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    return std::nullopt;
}

CharacterReadResult readCharacterFile(const QString& path) {
    CharacterReadResult result;
    const std::optional<std::string> fault =
        readCharacters(path, CharacterFileLayout::One,
                       [&result](const SavedCharacter& saved) { result.character = saved; });
    if (fault)
        result.error = path.toStdString() + ": " + *fault;
    return result;
}

}  // namespace tavrel
