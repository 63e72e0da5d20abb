#include "eligibility.h"

#include "cliargs.h"
#include "exploration.h"

namespace tavrel::cli {

std::vector<CharacterOptions> allowedClassSets(int race, int lawChaos, int goodEvil) {
    CharacterOptions base;
    base.race = race;
    base.lawChaos = lawChaos;
    base.goodEvil = goodEvil;
    std::vector<CharacterOptions> sets;
    for (const AllowedChoice& choice : tavrel::allowedClassSets(race, lawChaos, goodEvil)) {
        CharacterOptions set = base;
        setClassFlags(set, choice.classes);
        set.school = choice.school;
        sets.push_back(set);
    }
    return sets;
}

bool isAllowedClassSet(const CharacterOptions& options) {
    const ClassSet wanted = classSetOf(options);
    for (const AllowedChoice& choice :
         tavrel::allowedClassSets(options.race, options.lawChaos, options.goodEvil)) {
        const bool sameSchool =
            options.specialist ? choice.school == options.school : !choice.school.has_value();
        if (choice.classes == wanted && sameSchool) {
            return true;
        }
    }
    return false;
}

std::string refusalText(const CharacterOptions& options) {
    return refusalReason(options.race, options.lawChaos, options.goodEvil, classSetOf(options),
                         options.specialist ? options.school : std::nullopt)
        .text();
}

std::string unreachableText(int race, int lawChaos, int goodEvil) {
    std::string text;
    for (const Reason& why : unreachableReasons(race, lawChaos, goodEvil)) {
        // The word --class takes for it; the Specialist box alone has none, a school stands for it.
        CharacterOptions subject;
        if (why.school) {
            subject.specialist = true;
            subject.school = why.subject;
        } else {
            setClassFlags(subject, bitOf(static_cast<ClassBox>(why.subject)));
        }
        const std::string word =
            subject.specialist && !subject.school ? std::string("specialist") : classWords(subject);
        text += word + ": " + why.text() + "\n";
    }
    return text;
}

}  // namespace tavrel::cli
