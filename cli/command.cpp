#include "command.h"

#include <cerrno>

#include "checkedfile.h"
#include "cliargs.h"
#include "exploration.h"

namespace tavrel::cli {

namespace {

[[noreturn]] void failOut(int errorNumber) {
    throw WriteFailure{"standard output: " +
                       saveErrorText(false, QString(), errorNumber).toStdString()};
}

}  // namespace

void writeOut(std::ostream& out, std::string_view bytes) {
    errno = 0;
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        failOut(errno);
}

void flushOut(std::ostream& out) {
    errno = 0;
    if (!out.flush())
        failOut(errno);
}

QCommandLineOption valueOption(const char* name) {
    return QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
}

std::string optionValue(const QCommandLineParser& parser, const char* name) {
    return parser.value(QString::fromLatin1(name)).toStdString();
}

void addRaceAndAlignment(QCommandLineParser& parser) {
    parser.addOption(valueOption("race"));
    parser.addOption(valueOption("alignment"));
}

void readRaceAndAlignment(const QCommandLineParser& p, CharacterOptions& o) {
    if (p.isSet("race")) {
        o.race = require(words::parseRace(optionValue(p, "race")), "race", optionValue(p, "race"),
                         words::kRaceExpected);
    }
    if (p.isSet("alignment")) {
        const auto [lc, ge] = require(words::parseAlignment(optionValue(p, "alignment")), "alignment",
                                      optionValue(p, "alignment"), words::kAlignmentExpected);
        o.lawChaos = lc;
        o.goodEvil = ge;
    }
}

std::string allowedList(const CharacterOptions& o) {
    std::string list;
    for (const AllowedChoice& choice : allowedClassSets(o.race, o.lawChaos, o.goodEvil)) {
        list += words::classWords(choice) + "\n";
    }
    return list;
}

}  // namespace tavrel::cli
