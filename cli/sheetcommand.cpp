#include <QStringList>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "characterjson.h"
#include "checkedfile.h"
#include "command.h"
#include "run.h"
#include "sheet.h"

namespace tavrel::cli {

namespace {

std::string quoted(const QString& path) {
    return "'" + path.toStdString() + "'";
}

// Through the same checked writer as the window's saves: complete or not at all.
void writeFile(const QString& path, const std::string& bytes) {
    if (const std::optional<QString> error = writeCheckedFile(path, bytes)) {
        throw WriteFailure{"--output: cannot write " + quoted(path) + ": " + error->toStdString()};
    }
}

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
        const CharacterReadResult whole =
            readCharacterJson({head.constData(), std::size_t(head.size())});
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
        if (line.trimmed().isEmpty())
            continue;
        const CharacterReadResult r =
            readCharacterJson({line.constData(), std::size_t(line.size())});
        if (!r.character) {
            throw Failure{quoted(path) + ": line " + std::to_string(number) + ": " + r.error};
        }
        each(*r.character);
    }
    if (file.error() != QFileDevice::NoError) {
        throw Failure{quoted(path) + ": cannot read: " + file.errorString().toStdString()};
    }
}

// The file is read twice, once to check and count and once to write, so that a long batch is
// never held in memory.
void writeSheets(const QString& path, const std::optional<QString>& output, std::ostream& out) {
    int count = 0;
    forEachCharacter(path, [&](const SavedCharacter&) { ++count; });
    if (count == 0) {
        throw Failure{quoted(path) + ": no character in the file"};
    }
    const bool folder = output && count > 1;
    if (output) {
        const QFileInfo info(*output);
        if (output->isEmpty())
            throw Failure{"--output: empty path"};
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
            writeOut(out, sheet);
        }
    });
}

void addOptions(QCommandLineParser& parser) {
    parser.addOption(valueOption("output"));
}

int run(const QCommandLineParser& parser, std::ostream& out, const TimeOfDayClock&) {
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        throw Failure{files.isEmpty() ? "sheet: no file given"
                                      : "unexpected argument '" + files.at(1).toStdString() + "'"};
    }
    const auto output =
        parser.isSet("output") ? std::optional(parser.value("output")) : std::nullopt;
    writeSheets(files.front(), output, out);
    return kExitOk;
}

}  // namespace

// Sheets from saved characters, made by the same writer as the window's. The whole file is
// checked before anything is written, so a bad line leaves no sheet behind.
const Command kSheetCommand{
    "sheet",
    "sheet options:\n"
    "  FILE                 a saved character (.json), or JSON Lines from generate\n"
    "  --output PATH        a file; for several characters a folder (default stdout)\n",
    addOptions, run, true};

}  // namespace tavrel::cli
