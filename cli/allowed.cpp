#include "cliargs.h"
#include "command.h"
#include "exploration.h"

namespace tavrel::cli {

namespace {

void addOptions(QCommandLineParser& parser) {
    addRaceAndAlignment(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("explain")));
}

// One line per class or school out of reach, with why: "mage: Dwarves cannot be mages".
std::string unreachableText(const CharacterOptions& o) {
    std::string text;
    for (const Reason& why : unreachableReasons(o.race, o.lawChaos, o.goodEvil)) {
        // The word --class takes for it; a school stands for the Specialist box there.
        const bool specialistBox =
            !why.school && why.subject == static_cast<int>(ClassBox::Specialist);
        const AllowedChoice subject =
            why.school ? AllowedChoice{bitOf(ClassBox::Specialist), why.subject}
                       : AllowedChoice{static_cast<ClassSet>(1u << why.subject), std::nullopt};
        text += (specialistBox ? std::string("specialist") : words::classWords(subject)) + ": " +
                why.text() + "\n";
    }
    return text;
}

int run(const QCommandLineParser& parser, std::istream&, std::ostream& out, const TimeOfDayClock&) {
    const CharacterOptions o = readRequestOptions(parser, words::Asking::ClassSets).options;
    std::string text = allowedList(o);
    if (parser.isSet("explain")) {
        text += "\nnot allowed for race " + std::string(words::kRaceWords[o.race]) +
                ", alignment " + words::alignmentWord(o.lawChaos, o.goodEvil) + ":\n" +
                unreachableText(o);
    }
    writeOut(out, text);
    return 0;
}

}  // namespace

const Command kAllowedCommand{
    "allowed",
    "allowed options:\n"
    "  --race R --alignment A   every class set the options window lets a user reach\n"
    "  --explain                then each class and school out of reach, and why\n",
    addOptions, run};

}  // namespace tavrel::cli
