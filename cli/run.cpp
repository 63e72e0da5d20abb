#include "run.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <sstream>

#include "cliargs.h"
#include "eligibility.h"
#include "linkwords.h"
#include "output.h"
#include "schedule.h"
#include "sheet.h"

#ifndef TAVREL_VERSION
#define TAVREL_VERSION "0"
#endif
// Where the web page is served, if it is: each character's link starts with it. Without one no
// link is printed, since there is no host to point at.
#ifndef TAVREL_LINK_BASE
#define TAVREL_LINK_BASE ""
#endif

namespace tavrel::cli {

namespace {

constexpr const char* kUsage =
    "Usage: tavrel-cli generate --class LIST [options]\n"
    "       tavrel-cli allowed [--race R] [--alignment A]\n"
    "       tavrel-cli --help | --version\n";

constexpr const char* kHelp =
    "Generates characters headlessly, on a virtual clock, so that a seed and a start time\n"
    "reproduce a character exactly.\n"
    "\n"
    "generate options:\n"
    "  --race elf|half-elf|dwarf|human|gnome|halfling   (default elf)\n"
    "  --class LIST         comma list of fighter, ranger, paladin, mage, cleric, druid,\n"
    "                       thief, bard and at most one school (abjurer, conjurer, diviner,\n"
    "                       enchanter, illusionist, invoker, necromancer, transmuter)\n"
    "  --alignment LG|LN|LE|NG|N|NE|CG|CN|CE             (TN for N; default LG)\n"
    "  --gender male|female                              (default male)\n"
    "  --levels low|mid|high                             (1-5, 6-10, 11-15; default low)\n"
    "  --dice 3d6|4d6|best-of-two                        (default 3d6)\n"
    "  --lift-restrictions  allow class sets the options window would not\n"
    "  --time HH:MM:SS.mmm  virtual start time, UTC (default now)\n"
    "  --seed N             generator seed 0..4294967295 (default from the clock)\n"
    "  --count N            characters one after another, 1..1000000 (default 1)\n"
    "  --format text|json|html                           (default text)\n"
    "  --output PATH        a file; for several html sheets a folder (default stdout)\n"
    "\n"
    "allowed options:\n"
    "  --race R --alignment A   every class set the options window lets a user reach\n";

struct Failure {
    std::string message;
};

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

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string value(const QCommandLineParser& p, const QString& name) {
    return p.value(name).toStdString();
}

template <typename T>
T require(std::optional<T> parsed, const char* option, const std::string& text,
          const char* expected) {
    if (!parsed) {
        throw Failure{std::string("--") + option + ": '" + text + "' is not " + expected};
    }
    return *parsed;
}

[[noreturn]] void failWrite(const QString& path, const QSaveFile& file) {
    throw Failure{"--output: cannot write '" + path.toStdString() + "': " +
                  file.errorString().toStdString()};
}

// Writes `bytes` to `path` atomically: the file appears complete or not at all.
void writeFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) failWrite(path, file);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) failWrite(path, file);
}

struct Common {
    CharacterOptions options;
};

void readRaceAndAlignment(const QCommandLineParser& p, CharacterOptions& o) {
    if (p.isSet("race")) {
        o.race = require(parseRace(value(p, "race")), "race", value(p, "race"),
                         "a race (elf, half-elf, dwarf, human, gnome, halfling)");
    }
    if (p.isSet("alignment")) {
        const auto [lc, ge] = require(parseAlignment(value(p, "alignment")), "alignment",
                                      value(p, "alignment"),
                                      "an alignment (LG, LN, LE, NG, N, NE, CG, CN, CE)");
        o.lawChaos = lc;
        o.goodEvil = ge;
    }
}

std::string allowedList(const CharacterOptions& o) {
    std::string list;
    for (const CharacterOptions& set : allowedClassSets(o.race, o.lawChaos, o.goodEvil)) {
        list += classWords(set) + "\n";
    }
    return list;
}

int generate(const QCommandLineParser& p, std::ostream& out, const TimeOfDayClock& clock) {
    CharacterOptions o;
    readRaceAndAlignment(p, o);
    if (!p.isSet("class")) {
        throw Failure{"--class: required (for example --class fighter,thief)"};
    }
    if (auto error = applyClassList(value(p, "class"), o)) {
        throw Failure{"--class: " + *error};
    }
    if (p.isSet("gender")) {
        o.gender = require(parseGender(value(p, "gender")), "gender", value(p, "gender"),
                           "male or female");
    }
    if (p.isSet("levels")) {
        o.levelRange = require(parseLevels(value(p, "levels")), "levels", value(p, "levels"),
                               "low, mid or high");
    }
    if (p.isSet("dice")) {
        o.diceMethod = require(parseDice(value(p, "dice")), "dice", value(p, "dice"),
                               "3d6, 4d6 or best-of-two");
    }
    o.restrictionsLifted = p.isSet("lift-restrictions");
    if (!o.restrictionsLifted && !isAllowedClassSet(o)) {
        throw Failure{"--class: " + classWords(o) + " is not allowed for a " +
                      std::string(kRaceWords[o.race]) + " of alignment " +
                      alignmentWord(o.lawChaos, o.goodEvil) +
                      " (use --lift-restrictions, or see 'tavrel-cli allowed'); allowed: " +
                      [&] {
                          std::string l = allowedList(o);
                          for (char& ch : l) {
                              if (ch == '\n') ch = ' ';
                          }
                          return l.empty() ? std::string("none") : l;
                      }()};
    }
    const std::uint32_t now = clock.millisecondsSinceMidnight();
    const std::uint32_t time =
        p.isSet("time") ? require(parseTime(value(p, "time")), "time", value(p, "time"),
                                  "a time HH:MM:SS.mmm")
                        : now;
    // Without --seed the generator starts as the dice would leave it: reseeded from the clock.
    const std::uint32_t seed = p.isSet("seed") ? require(parseSeed(value(p, "seed")), "seed",
                                                         value(p, "seed"),
                                                         "a number from 0 to 4294967295")
                                               : now;
    const std::string countRange = "a number from 1 to " + std::to_string(kMaxCount);
    const int count = p.isSet("count") ? require(parseCount(value(p, "count"), kMaxCount), "count",
                                                 value(p, "count"), countRange.c_str())
                                       : 1;
    const std::string format = p.isSet("format") ? value(p, "format") : "text";
    if (format != "text" && format != "json" && format != "html") {
        throw Failure{"--format: '" + format + "' is not text, json or html"};
    }
    const QString output = p.value("output");
    const bool folder = p.isSet("output") && format == "html" && count > 1;
    if (p.isSet("output")) {
        if (output.isEmpty()) throw Failure{"--output: empty path"};
        const QFileInfo info(output);
        if (folder) {
            if (info.exists() && !info.isDir()) {
                throw Failure{"--output: '" + output.toStdString() + "' is not a folder"};
            }
        } else if (info.isDir()) {
            throw Failure{"--output: '" + output.toStdString() + "' is a folder"};
        }
    }

    if (folder && !QDir().mkpath(output)) {
        throw Failure{"--output: cannot create the folder '" + output.toStdString() + "'"};
    }
    // One file for everything is written through QSaveFile: it appears complete or not at all.
    std::optional<QSaveFile> file;
    if (p.isSet("output") && !folder) {
        file.emplace(output);
        if (!file->open(QIODevice::WriteOnly)) failWrite(output, *file);
    }

    // Output leaves in pieces as it is made, so that a run of any length holds one piece in
    // memory rather than all of it.
    constexpr std::size_t kPieceBytes = 1 << 20;
    std::string piece;
    const auto flush = [&] {
        if (file) {
            const auto size = static_cast<qint64>(piece.size());
            if (file->write(piece.data(), size) != size) failWrite(output, *file);
        } else {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        }
        piece.clear();
    };

    VirtualSchedule schedule(seed, time);
    const int width = static_cast<int>(std::to_string(count).size());
    for (int i = 0; i < count; ++i) {
        const VirtualSchedule::Start start = schedule.generate(o);
        const Character& c = schedule.character();
        const std::string link = characterLink(TAVREL_LINK_BASE, o, start);
        if (format == "json") {
            appendCharacterJson(piece, o, c, start, link);
            piece += '\n';
        } else if (format == "html" && folder) {
            const QString name =
                QStringLiteral("character-%1.htm").arg(i + 1, width, 10, QLatin1Char('0'));
            writeFile(QDir(output).filePath(name), characterSheet(c));
        } else if (format == "html") {
            piece += characterSheet(c);
        } else {
            if (i > 0) piece += '\n';
            piece += characterText(c, start, link);
        }
        if (piece.size() >= kPieceBytes) flush();
    }
    flush();
    if (file && !file->commit()) failWrite(output, *file);
    return kExitOk;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const TimeOfDayClock& clock) {
    if (args.empty()) {
        report(err, "no command given (try tavrel-cli --help)");
        return kExitUsage;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage << '\n' << kHelp;
        return kExitOk;
    }
    if (command == "--version" || command == "-v") {
        out << "tavrel-cli " << TAVREL_VERSION << '\n';
        return kExitOk;
    }
    if (command != "generate" && command != "allowed") {
        report(err, "unknown command '" + command + "' (try tavrel-cli --help)");
        return kExitUsage;
    }

    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto valueOption = [](const char* name) {
        return QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    };
    p.addOption(valueOption("race"));
    p.addOption(valueOption("alignment"));
    if (command == "generate") {
        for (const char* name : {"class", "gender", "levels", "dice", "time", "seed", "count",
                                 "format", "output"}) {
            p.addOption(valueOption(name));
        }
        p.addOption(QCommandLineOption(QStringLiteral("lift-restrictions")));
    }
    p.addOption(QCommandLineOption(QStringList{QStringLiteral("help"), QStringLiteral("h")}));

    QStringList words{QStringLiteral("tavrel-cli")};
    for (std::size_t i = 1; i < args.size(); ++i) words << qs(args[i]);
    try {
        if (!p.parse(words)) {
            throw Failure{p.errorText().toStdString()};
        }
        if (p.isSet("help")) {
            out << kUsage << '\n' << kHelp;
            return kExitOk;
        }
        if (!p.positionalArguments().isEmpty()) {
            throw Failure{"unexpected argument '" + p.positionalArguments().front().toStdString() +
                          "'"};
        }
        if (command == "allowed") {
            CharacterOptions o;
            readRaceAndAlignment(p, o);
            out << allowedList(o);
            return kExitOk;
        }
        return generate(p, out, clock);
    } catch (const Failure& f) {
        report(err, f.message);
        return kExitUsage;
    }
}

}  // namespace tavrel::cli
