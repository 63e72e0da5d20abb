#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <array>
#include <functional>
#include <optional>

#include "characterfile.h"
#include "checkedfile.h"
#include "command.h"
#include "run.h"
#include "sheet.h"
#include "sheetfolder.h"

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

// Where the characters come from: a file, or standard input spooled into a temporary one.
struct Source {
    QString path;
    std::string shown;  // how messages name it
};

// Calls `each` for every character of the file, in order, or throws the first fault.
void forEachCharacter(const Source& source,
                      const std::function<void(const SavedCharacter&)>& each) {
    if (const auto fault = readCharacters(source.path, CharacterFileLayout::Lines, each))
        throw Failure{source.shown + ": " + *fault};
}

// Standard input into `spool`, so that it is read like a file: checked whole before any sheet
// is written, and never held in memory however long the batch.
void spoolInput(std::istream& in, QTemporaryFile& spool) {
    const auto failed = [&spool] {
        throw WriteFailure{"standard input: cannot be kept in a temporary file: " +
                           spool.errorString().toStdString()};
    };
    if (!spool.open())
        failed();
    std::array<char, 64 * 1024> buffer{};
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<qint64>(in.gcount());
        if (got > 0 && spool.write(buffer.data(), got) != got)
            failed();
    }
    if (in.bad())
        throw Failure{"standard input: cannot be read"};
    if (!spool.flush())
        failed();
}

// The file is read twice, once to check and count and once to write, so that a long batch is
// never held in memory.
void writeSheets(const Source& source, const std::optional<QString>& output, std::ostream& out) {
    int count = 0;
    forEachCharacter(source, [&](const SavedCharacter&) { ++count; });
    if (count == 0) {
        throw Failure{source.shown + ": no character in the file"};
    }
    std::optional<SheetFolder> folder;
    if (output) {
        if (output->isEmpty())
            throw Failure{"--output: empty path"};
        if (count > 1 || namesFolder(*output)) {
            if (const auto refusal = SheetFolder::refusal(*output))
                throw Failure{"--output: " + *refusal};
            folder.emplace(*output, count);
            if (const auto error = folder->make())
                throw WriteFailure{"--output: " + *error};
        } else if (QFileInfo(*output).isDir()) {
            throw Failure{"--output: " + quoted(*output) + " is a folder"};
        }
    }
    forEachCharacter(source, [&](const SavedCharacter& saved) {
        const std::string sheet = characterSheet(saved.character);
        if (folder) {
            if (const auto error = folder->write(sheet))
                throw WriteFailure{"--output: " + *error};
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

int run(const QCommandLineParser& parser, std::istream& in, std::ostream& out,
        const TimeOfDayClock&) {
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        throw Failure{files.isEmpty() ? "sheet: no file given"
                                      : "unexpected argument '" + files.at(1).toStdString() + "'"};
    }
    const auto output =
        parser.isSet("output") ? std::optional(parser.value("output")) : std::nullopt;
    if (files.front() == QLatin1String("-")) {
        QTemporaryFile spool;
        spoolInput(in, spool);
        writeSheets({spool.fileName(), "standard input"}, output, out);
    } else {
        writeSheets({files.front(), quoted(files.front())}, output, out);
    }
    return kExitOk;
}

}  // namespace

// Sheets from saved characters, made by the same writer as the window's. The whole file is
// checked before anything is written, so a bad line leaves no sheet behind.
const Command kSheetCommand{
    "sheet",
    "sheet options:\n"
    "  FILE                 a saved character (.json), or JSON Lines from generate;\n"
    "                       - reads standard input\n"
    "  --output PATH        a file; for several characters, or a PATH ending in /, a folder\n"
    "                       (default stdout)\n",
    addOptions, run, true};

}  // namespace tavrel::cli
