#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

#include "characterjson.h"
#include "checkedfile.h"
#include "cliargs.h"
#include "command.h"
#include "exploration.h"
#include "linkwords.h"
#include "charactertext.h"
#include "run.h"
#include "schedule.h"
#include "sheet.h"

namespace tavrel::cli {

namespace {

// Everything `generate` was asked for, checked.
struct Request {
    CharacterOptions options;
    std::uint32_t time = 0;
    std::uint32_t seed = 0;
    int count = 1;
    words::OutputFormat format = words::OutputFormat::Text;
    std::optional<QString> output;  // --output, when given
    bool folder = false;            // several html sheets, one file each in `output`
};

void addOptions(QCommandLineParser& parser) {
    addRaceAndAlignment(parser);
    for (const char* name :
         {"class", "gender", "levels", "dice", "time", "seed", "count", "format", "output"}) {
        parser.addOption(valueOption(name));
    }
    parser.addOption(QCommandLineOption(QStringLiteral("lift-restrictions")));
}

void readClasses(const QCommandLineParser& p, CharacterOptions& o) {
    if (!p.isSet("class")) {
        throw Failure{"--class: required (for example --class fighter,thief)"};
    }
    if (auto error = words::applyClassList(optionValue(p, "class"), o)) {
        throw Failure{"--class: " + *error};
    }
}

void requireAllowed(const CharacterOptions& o) {
    const auto sets = allowedClassSets(o.race, o.lawChaos, o.goodEvil);
    if (std::find(sets.begin(), sets.end(), classChoiceOf(o)) != sets.end()) {
        return;
    }
    std::string allowed = allowedList(o);
    std::replace(allowed.begin(), allowed.end(), '\n', ' ');
    // The first rule in the way, in the words the options window shows on the greyed box.
    const AllowedChoice choice = classChoiceOf(o);
    const std::string why =
        refusalReason(o.race, o.lawChaos, o.goodEvil, choice.classes, choice.school).text();
    throw Failure{"--class: " + words::notAllowedText(o) + (why.empty() ? "" : ": " + why) +
                  " (use --lift-restrictions, or see 'tavrel-cli allowed --explain'); allowed: " +
                  (allowed.empty() ? std::string("none") : allowed)};
}

// The options are read in a fixed order, so that of several bad ones the first is reported.
Request readRequest(const QCommandLineParser& p, const TimeOfDayClock& clock) {
    Request r;
    CharacterOptions& o = r.options;
    readRaceAndAlignment(p, o);
    readClasses(p, o);
    const auto read = [&p](const char* option, auto parse, const char* expected) {
        const std::string text = optionValue(p, option);
        return require(parse(text), option, text, expected);
    };
    if (p.isSet("gender"))
        o.gender = read("gender", words::parseGender, words::kGenderExpected);
    if (p.isSet("levels"))
        o.levelRange = read("levels", words::parseLevels, words::kLevelsExpected);
    if (p.isSet("dice"))
        o.diceMethod = read("dice", words::parseDice, words::kDiceExpected);
    o.restrictionsLifted = p.isSet("lift-restrictions");
    if (!o.restrictionsLifted)
        requireAllowed(o);

    const std::uint32_t now = clock.millisecondsSinceMidnight();
    r.time = p.isSet("time") ? read("time", parseTime, words::kTimeExpected) : now;
    // Without --seed the generator starts as the dice would leave it: reseeded from the clock.
    r.seed = p.isSet("seed") ? read("seed", words::parseSeed, words::kSeedExpected) : now;
    if (p.isSet("count")) {
        const std::string range = "a number from 1 to " + std::to_string(kMaxCount);
        const std::string text = optionValue(p, "count");
        r.count = require(words::parseCount(text, kMaxCount), "count", text, range.c_str());
    }
    if (p.isSet("format")) {
        const std::string text = optionValue(p, "format");
        const auto format = words::parseFormat(text);
        if (!format)
            throw Failure{"--format: '" + text + "' is not text, json or html"};
        r.format = *format;
    }
    if (p.isSet("output")) {
        const QString output = p.value("output");
        r.folder = r.format == words::OutputFormat::Html && r.count > 1;
        if (output.isEmpty())
            throw Failure{"--output: empty path"};
        const QFileInfo info(output);
        if (r.folder) {
            if (info.exists() && !info.isDir()) {
                throw Failure{"--output: '" + output.toStdString() + "' is not a folder"};
            }
        } else if (info.isDir()) {
            throw Failure{"--output: '" + output.toStdString() + "' is a folder"};
        }
        r.output = output;
    }
    return r;
}

[[noreturn]] void failWrite(const QString& path, const CheckedFile& file) {
    throw WriteFailure{"--output: cannot write '" + path.toStdString() +
                       "': " + file.errorText().toStdString()};
}

// One sheet file a character, numbered with as many digits as the count needs.
void writeSheetFolder(const Request& r) {
    const QString folder = *r.output;
    if (!QDir().mkpath(folder)) {
        throw WriteFailure{"--output: cannot create the folder '" + folder.toStdString() + "'"};
    }
    VirtualSchedule schedule(r.seed, r.time);
    const int width = static_cast<int>(std::to_string(r.count).size());
    for (int i = 0; i < r.count; ++i) {
        schedule.generate(r.options);
        const QString name =
            QStringLiteral("character-%1.htm").arg(i + 1, width, 10, QLatin1Char('0'));
        const QString path = QDir(folder).filePath(name);
        CheckedFile sheet(path);
        if (!sheet.open() || !sheet.write(characterSheet(schedule.character())) || !sheet.commit())
            failWrite(path, sheet);
    }
}

// Every character into one stream: `out`, or the --output file, which appears complete or not
// at all (see CheckedFile).
void writeStream(const Request& r, std::ostream& out) {
    std::optional<CheckedFile> file;
    if (r.output) {
        file.emplace(*r.output);
        if (!file->open())
            failWrite(*r.output, *file);
    }

    // Output leaves in pieces as it is made, so that a run of any length holds one piece in
    // memory rather than all of it.
    constexpr std::size_t kPieceBytes = 64 * 1024;
    std::string piece;
    const auto flush = [&] {
        if (file) {
            if (!file->write(piece))
                failWrite(*r.output, *file);
        } else {
            writeOut(out, piece);
        }
        piece.clear();
    };

    VirtualSchedule schedule(r.seed, r.time);
    for (int i = 0; i < r.count; ++i) {
        const VirtualSchedule::Start start = schedule.generate(r.options);
        const Character& c = schedule.character();
        const std::string link = words::characterLink(TAVREL_LINK_BASE, r.options, start);
        switch (r.format) {
            case words::OutputFormat::Json: {
                const CharacterOrigin origin{start.seed, start.time};
                appendCharacterJson(piece, r.options, c, &origin, link);
                piece += '\n';
            } break;
            case words::OutputFormat::Html:
                piece += characterSheet(c);
                break;
            case words::OutputFormat::Text:
                if (i > 0)
                    piece += '\n';
                piece += characterText(c, start, link);
                break;
        }
        if (piece.size() >= kPieceBytes)
            flush();
    }
    flush();
    if (file && !file->commit())
        failWrite(*r.output, *file);
}

int run(const QCommandLineParser& parser, std::ostream& out, const TimeOfDayClock& clock) {
    const Request request = readRequest(parser, clock);
    if (request.folder) {
        writeSheetFolder(request);
    } else {
        writeStream(request, out);
    }
    return kExitOk;
}

}  // namespace

const Command kGenerateCommand{
    "generate",
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
    "  --output PATH        a file; for several html sheets a folder (default stdout)\n",
    addOptions, run};

}  // namespace tavrel::cli
