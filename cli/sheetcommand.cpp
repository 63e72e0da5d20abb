#include <QFileInfo>
#include <QStringList>

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

// Calls `each` for every character of the file, in order, or throws the first fault.
void forEachCharacter(const QString& path, const std::function<void(const SavedCharacter&)>& each) {
    if (const auto fault = readCharacters(path, CharacterFileLayout::Lines, each))
        throw Failure{quoted(path) + ": " + *fault};
}

// The file is read twice, once to check and count and once to write, so that a long batch is
// never held in memory.
void writeSheets(const QString& path, const std::optional<QString>& output, std::ostream& out) {
    int count = 0;
    forEachCharacter(path, [&](const SavedCharacter&) { ++count; });
    if (count == 0) {
        throw Failure{quoted(path) + ": no character in the file"};
    }
    std::optional<SheetFolder> folder;
    if (output) {
        if (output->isEmpty())
            throw Failure{"--output: empty path"};
        if (count > 1) {
            if (const auto refusal = SheetFolder::refusal(*output))
                throw Failure{"--output: " + *refusal};
            folder.emplace(*output, count);
            if (const auto error = folder->make())
                throw WriteFailure{"--output: " + *error};
        } else if (QFileInfo(*output).isDir()) {
            throw Failure{"--output: " + quoted(*output) + " is a folder"};
        }
    }
    forEachCharacter(path, [&](const SavedCharacter& saved) {
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
