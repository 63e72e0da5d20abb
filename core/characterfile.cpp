#include "characterfile.h"

#include <QFile>
#include <QFileInfo>

namespace tavrel {

CharacterReadResult readCharacterFile(const QString& path) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    CharacterReadResult result;
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        result.error = name + ": is a folder";
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = name + ": cannot be read: " + file.errorString().toStdString();
        return result;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kCharacterFileLimit) + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = name + ": cannot be read: " + file.errorString().toStdString();
        return result;
    }
    result = readCharacterJson({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (!result.character) {
        result.error = name + ": " + result.error;
    }
    return result;
}

}  // namespace tavrel
