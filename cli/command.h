#pragma once

#include <QCommandLineParser>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "characteroptions.h"
#include "clock.h"

namespace tavrel::cli {

// A bad argument or an unwritable output: run() reports the message as one line and exits 2.
struct Failure {
    std::string message;
};

// A sub-command: its word, its part of --help, the options it takes, and what it does with them.
// Each sub-command lives in its own file and owns its options; run() only dispatches.
struct Command {
    std::string_view name;
    std::string_view help;
    void (*addOptions)(QCommandLineParser& parser);
    int (*run)(const QCommandLineParser& parser, std::ostream& out, const TimeOfDayClock& clock);
};

extern const Command kGenerateCommand;
extern const Command kAllowedCommand;

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
void readRaceAndAlignment(const QCommandLineParser& parser, CharacterOptions& options);

// The class sets the options window allows for the race and alignment of `options`, one
// --class list a line.
std::string allowedList(const CharacterOptions& options);

}  // namespace tavrel::cli
