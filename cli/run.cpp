#include "run.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "appinfo.h"
#include "command.h"

namespace tavrel::cli {

namespace {

constexpr const char* kUsage =
    "Usage: tavrel-cli generate --class LIST [options]\n"
    "       tavrel-cli allowed [--race R] [--alignment A] [--explain]\n"
    "       tavrel-cli sheet FILE|- [--output PATH]\n"
    "       tavrel-cli --help | --version\n";

constexpr const char* kHelpIntro =
    "Generates characters headlessly, on a virtual clock, so that a seed and a start time\n"
    "reproduce a character exactly.\n"
    "\n";

constexpr const char* kHelpExit =
    "Exit status: 0 on success; 2 for a bad command, option value or class set; 3 when output\n"
    "cannot be written (standard output, an --output file or folder), with one line on\n"
    "standard error naming the cause.\n";

constexpr const Command* kCommands[] = {&kGenerateCommand, &kAllowedCommand, &kSheetCommand};

void printHelp(std::ostream& out) {
    std::string help = std::string(kUsage) + '\n' + kHelpIntro;
    for (const Command* command : kCommands) {
        help.append(command->help).append("\n");
    }
    writeOut(out, help + kHelpExit);
}

// Writes the message as exactly one line. Messages quote the user's words, which may hold line
// breaks or terminal control codes: those are shown as escapes (\n, \x1b, \u2028) instead, so
// that the message stays one line and cannot move the cursor or recolour the terminal.
void report(std::ostream& err, std::string_view message) {
    std::string line;
    char hex[8];
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto c = static_cast<unsigned char>(message[i]);
        const auto next = [&](std::size_t k) {
            return i + k < message.size() ? static_cast<unsigned char>(message[i + k]) : 0u;
        };
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if ((c < 0x20 && c != '\t') || c == 0x7f) {
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            line += hex;
        } else if (c == 0xc2 && next(1) >= 0x80 && next(1) <= 0x9f) {
            // U+0080..U+009F, the C1 controls, NEL among them.
            std::snprintf(hex, sizeof hex, "\\u%04x", next(1));
            line += hex;
            i += 1;
        } else if (c == 0xe2 && next(1) == 0x80 && (next(2) == 0xa8 || next(2) == 0xa9)) {
            line += next(2) == 0xa8 ? "\\u2028" : "\\u2029";
            i += 2;
        } else {
            line += static_cast<char>(c);
        }
    }
    err << "tavrel-cli: " << line << '\n';
}

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err, const TimeOfDayClock& clock) {
    if (args.empty()) {
        report(err, "no command given (try tavrel-cli --help)");
        return kExitUsage;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        printHelp(out);
        return kExitOk;
    }
    if (command == "--version" || command == "-v") {
        writeOut(out, std::string("tavrel-cli ") + appinfo::kVersion + '\n');
        return kExitOk;
    }
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command* c) { return c->name == command; });
    if (found == std::end(kCommands)) {
        report(err, "unknown command '" + command + "' (try tavrel-cli --help)");
        return kExitUsage;
    }
    const Command& sub = **found;

    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    sub.addOptions(p);
    p.addOption(QCommandLineOption(QStringList{QStringLiteral("help"), QStringLiteral("h")}));

    QStringList words{QStringLiteral("tavrel-cli")};
    for (std::size_t i = 1; i < args.size(); ++i)
        words << QString::fromStdString(args[i]);
    try {
        if (!p.parse(words)) {
            throw Failure{p.errorText().toStdString()};
        }
        if (p.isSet("help")) {
            printHelp(out);
            return kExitOk;
        }
        if (!sub.takesFiles && !p.positionalArguments().isEmpty()) {
            throw Failure{"unexpected argument '" + p.positionalArguments().front().toStdString() +
                          "'"};
        }
        requireOnce(p);
        return sub.run(p, in, out, clock);
    } catch (const Failure& f) {
        report(err, f.message);
        return kExitUsage;
    }
}

}  // namespace

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, const TimeOfDayClock& clock) {
    try {
        const int status = runCommand(args, in, out, err, clock);
        // The last bytes may still wait in a buffer: only a flush shows whether they left.
        if (status == kExitOk)
            flushOut(out);
        return status;
    } catch (const WriteFailure& f) {
        report(err, f.message);
        return kExitOutput;
    }
}

}  // namespace tavrel::cli
