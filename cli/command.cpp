#include "command.h"

#include "cliargs.h"
#include "exploration.h"

namespace tavrel::cli {

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
        o.race = require(parseRace(optionValue(p, "race")), "race", optionValue(p, "race"),
                         "a race (elf, half-elf, dwarf, human, gnome, halfling)");
    }
    if (p.isSet("alignment")) {
        const auto [lc, ge] = require(parseAlignment(optionValue(p, "alignment")), "alignment",
                                      optionValue(p, "alignment"),
                                      "an alignment (LG, LN, LE, NG, N, NE, CG, CN, CE)");
        o.lawChaos = lc;
        o.goodEvil = ge;
    }
}

std::string allowedList(const CharacterOptions& o) {
    std::string list;
    for (const AllowedChoice& choice : allowedClassSets(o.race, o.lawChaos, o.goodEvil)) {
        list += classWords(choice) + "\n";
    }
    return list;
}

}  // namespace tavrel::cli
