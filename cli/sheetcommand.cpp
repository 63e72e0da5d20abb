#include "sheetcommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <functional>

#include "characterjson.h"
#include "sheet.h"

namespace tavrel::cli {

namespace {

struct Failure {
    std::string message;
};

std::string quoted(const QString& path) { return "'" + path.toStdString() + "'"; }

// Calls `each` for every character of the file, in order, or throws the first fault. A file of
// up to 1 MiB that is one object (however it is laid out) is one character; otherwise every
// non-empty line is one, as `generate --format json` writes them.
void forEachCharacter(const QString& path, const std::function<void(const SavedCharacter&)>& each) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Failure{quoted(path) + ": cannot read: " + file.errorString().toStdString()};
    }
    // At most one byte past the limit is read, so a huge file costs no memory to refuse.
    const QByteArray head = file.read(static_cast<qint64>(kCharacterFileLimit) + 1);
    if (head.size() <= static_cast<qsizetype>(kCharacterFileLimit) && file.atEnd()) {
        const CharacterReadResult whole = readCharacterJson({head.constData(), std::size_t(head.size())});
        if (whole.character) {
            each(*whole.character);
            return;
        }
        if (head.trimmed().count('\n') == 0) {
            throw Failure{quoted(path) + ": " + whole.error};
        }
    }
    file.seek(0);
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QByteArray line = file.readLine(static_cast<qint64>(kCharacterFileLimit) + 2);
        if (line.size() > static_cast<qsizetype>(kCharacterFileLimit) && !line.endsWith('\n')) {
            throw Failure{quoted(path) + ": line " + std::to_string(number) +
                          ": the line is larger than 1 MiB"};
        }
        if (line.trimmed().isEmpty()) continue;
        const CharacterReadResult r = readCharacterJson({line.constData(), std::size_t(line.size())});
        if (!r.character) {
            throw Failure{quoted(path) + ": line " + std::to_string(number) + ": " + r.error};
        }
        each(*r.character);
    }
    if (file.error() != QFileDevice::NoError) {
        throw Failure{quoted(path) + ": cannot read: " + file.errorString().toStdString()};
    }
}

void writeFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit()) {
        throw Failure{"--output: cannot write " + quoted(path) + ": " +
                      file.errorString().toStdString()};
    }
}

}  // namespace

std::optional<std::string> writeSheets(const QString& path, const std::optional<QString>& output,
                                       std::ostream& out) {
    try {
        int count = 0;
        forEachCharacter(path, [&](const SavedCharacter&) { ++count; });
        if (count == 0) {
            throw Failure{quoted(path) + ": no character in the file"};
        }
        const bool folder = output && count > 1;
        if (output) {
            const QFileInfo info(*output);
            if (output->isEmpty()) throw Failure{"--output: empty path"};
            if (folder && info.exists() && !info.isDir()) {
                throw Failure{"--output: " + quoted(*output) + " is not a folder"};
            }
            if (!folder && info.isDir()) {
                throw Failure{"--output: " + quoted(*output) + " is a folder"};
            }
            if (folder && !QDir().mkpath(*output)) {
                throw Failure{"--output: cannot create the folder " + quoted(*output)};
            }
        }
        const int width = static_cast<int>(std::to_string(count).size());
        int index = 0;
        forEachCharacter(path, [&](const SavedCharacter& saved) {
            const std::string sheet = characterSheet(saved.character);
            ++index;
            if (folder) {
                const QString name =
                    QStringLiteral("character-%1.htm").arg(index, width, 10, QLatin1Char('0'));
                writeFile(QDir(*output).filePath(name), sheet);
            } else if (output) {
                writeFile(*output, sheet);
            } else {
                out.write(sheet.data(), static_cast<std::streamsize>(sheet.size()));
            }
        });
        return std::nullopt;
    } catch (const Failure& f) {
        return f.message;
    }
}

}  // namespace tavrel::cli
