#include "characterfile.h"

#include <QFile>
#include <QFileInfo>

namespace tavrel {

std::optional<std::string> readCharacters(const QString& path, CharacterFileLayout layout,
                                          const std::function<void(const SavedCharacter&)>& each) {
    if (QFileInfo(path).isDir())
        return "is a folder";
    QFile file(path);
    const auto unreadable = [&file] {
        return "cannot be read: " + file.errorString().toStdString();
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    const auto limit = static_cast<qint64>(kCharacterFileLimit);
    const QByteArray head = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    if (layout == CharacterFileLayout::One || (head.size() <= limit && file.atEnd())) {
        const CharacterReadResult whole =
            readCharacterJson({head.constData(), static_cast<std::size_t>(head.size())});
        if (whole.character) {
            each(*whole.character);
            return std::nullopt;
        }
        // A one-line file is one object whatever went wrong with it: its fault is the object's.
        if (layout == CharacterFileLayout::One || head.trimmed().count('\n') == 0)
            return whole.error;
    }
    file.seek(0);
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QByteArray line = file.readLine(limit + 2);
        if (line.size() > limit && !line.endsWith('\n'))
            return "line " + std::to_string(number) + ": the line is larger than 1 MiB";
        if (line.trimmed().isEmpty())
            continue;
        const CharacterReadResult r =
            readCharacterJson({line.constData(), static_cast<std::size_t>(line.size())});
        if (!r.character)
            return "line " + std::to_string(number) + ": " + r.error;
        each(*r.character);
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
        result.error = QFileInfo(path).fileName().toStdString() + ": " + *fault;
    return result;
}

}  // namespace tavrel
