#include <QFileInfo>

#include <optional>

#include "charactercsv.h"
#include "characterjson.h"
#include "charactertext.h"
#include "checkedfile.h"
#include "cliargs.h"
#include "command.h"
#include "linkwords.h"
#include "request.h"
#include "run.h"
#include "schedule.h"
#include "sheet.h"
#include "sheetfolder.h"

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

// The options are read in a fixed order, so that of several bad ones the first is reported.
Request readRequest(const QCommandLineParser& p, const TimeOfDayClock& clock) {
    Request r;
    const words::Request asked = readRequestOptions(p, words::Asking::Characters);
    r.options = asked.options;
    const std::uint32_t now = clock.millisecondsSinceMidnight();
    r.time = asked.time.value_or(now);
    // Without --seed the generator starts as the dice would leave it: reseeded from the clock.
    r.seed = asked.seed.value_or(now);
    r.count = asked.count;
    if (p.isSet("format")) {
        const std::string text = optionValue(p, "format");
        const auto format = words::parseFormat(text);
        if (!format)
            throw Failure{"--format: '" + text + "' is not " + words::kFormatExpected};
        r.format = *format;
    }
    if (p.isSet("output")) {
        const QString output = p.value("output");
        if (output.isEmpty())
            throw Failure{"--output: empty path"};
        // A path ending in "/" is a folder, whatever the count: the user means one.
        const bool folderNamed = namesFolder(output);
        if (folderNamed && r.format != words::OutputFormat::Html) {
            throw Failure{"--output: '" + output.toStdString() +
                          "' is a folder, and only --format html writes one file a character"};
        }
        r.folder = r.format == words::OutputFormat::Html && (r.count > 1 || folderNamed);
        const QFileInfo info(output);
        if (r.folder) {
            if (const auto refusal = SheetFolder::refusal(output))
                throw Failure{"--output: " + *refusal};
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

// One sheet file a character.
void writeSheetFolder(const Request& r) {
    SheetFolder folder(*r.output, r.count);
    if (const auto error = folder.make())
        throw WriteFailure{"--output: " + *error};
    VirtualSchedule schedule(r.seed, r.time);
    for (int i = 0; i < r.count; ++i) {
        schedule.generate(r.options);
        if (const auto error = folder.write(characterSheet(schedule.character())))
            throw WriteFailure{"--output: " + *error};
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

    if (r.format == words::OutputFormat::Csv) {
        appendCsvHeader(piece);
    }
    VirtualSchedule schedule(r.seed, r.time);
    VirtualSchedule::Start first{};
    for (int i = 0; i < r.count; ++i) {
        const VirtualSchedule::Start start = schedule.generate(r.options);
        if (i == 0)
            first = start;
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
            case words::OutputFormat::Csv:
                appendCharacterCsv(piece, r.options, c, start, link);
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
    // A party small enough for one link gets it, after its members' own links.
    if (r.format == words::OutputFormat::Text && r.count > 1 && r.count <= words::kLinkMaxCount) {
        const std::string link = words::partyLink(TAVREL_LINK_BASE, r.options, first, r.count);
        if (!link.empty())
            piece += "\nParty link: " + link + "\n";
    }
    flush();
    if (file && !file->commit())
        failWrite(*r.output, *file);
}

int run(const QCommandLineParser& parser, std::istream&, std::ostream& out,
        const TimeOfDayClock& clock) {
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
    "  --format text|json|html|csv                       (default text)\n"
    "  --output PATH        a file; for several html sheets, or a PATH ending in /, a folder\n"
    "                       (default stdout)\n",
    addOptions, run};

}  // namespace tavrel::cli
