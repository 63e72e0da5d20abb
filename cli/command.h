#pragma once

#include <QCommandLineParser>

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "characteroptions.h"
#include "clock.h"
#include "request.h"

namespace tavrel::cli {

// A bad argument: run() reports the message as one line and exits 2 (kExitUsage).
struct Failure {
    std::string message;
};

// Output that could not be written: run() reports the message as one line and exits 3
// (kExitOutput).
struct WriteFailure {
    std::string message;
};

// Writes to standard output and checks that the bytes left: a full device or a file-size limit
// throws a WriteFailure naming the cause instead of ending the run as a success. A closed pipe
// never gets this far, since SIGPIPE ends the process as a reader such as `head` expects.
void writeOut(std::ostream& out, std::string_view bytes);
// The same check for the bytes still buffered, when the run ends.
void flushOut(std::ostream& out);

// A sub-command: its word, its part of --help, the options it takes, and what it does with them.
// Each sub-command lives in its own file and owns its options; run() only dispatches.
struct Command {
    std::string_view name;
    std::string_view help;
    void (*addOptions)(QCommandLineParser& parser);
    int (*run)(const QCommandLineParser& parser, std::istream& in, std::ostream& out,
               const TimeOfDayClock& clock);
    // Whether words other than options (a file name) belong to the command.
    bool takesFiles = false;
};

extern const Command kGenerateCommand;
extern const Command kAllowedCommand;
extern const Command kSheetCommand;

// Whether an --output path names a folder by ending in "/", so that even one sheet goes into it.
bool namesFolder(const QString& output);

// An option that takes a value, and that value as UTF-8.
QCommandLineOption valueOption(const char* name);
std::string optionValue(const QCommandLineParser& parser, const char* name);

// The parsed value, or a Failure naming the option, the user's word and what was expected.
template <typename T>
T require(std::optional<T> parsed, const char* option, const std::string& text,
          const char* expected) {
    if (!parsed) {
        throw Failure{std::string("--") + option + ": '" + text + "' is not " + expected};
    }
    return *parsed;
}

// --race and --alignment, which both sub-commands take.
void addRaceAndAlignment(QCommandLineParser& parser);

// The request's options (--race, --class, ...), read in the order given by the reader that also
// reads a character link, so that the same words get the same verdict. A refusal throws a
// Failure; a refused class set is followed by how to reach it.
words::Request readRequestOptions(const QCommandLineParser& parser, words::Asking asking);

// A Failure for the first option given twice among those readRequestOptions does not read
// (--count, --output, ...), with the reader's words.
void requireOnce(const QCommandLineParser& parser);

// The class sets the options window allows for the race and alignment of `options`, one
// --class list a line.
std::string allowedList(const CharacterOptions& options);

}  // namespace tavrel::cli
