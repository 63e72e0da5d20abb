#include "eligibility.h"

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
        const bool sameSchool = options.specialist ? choice.school == options.school
                                                   : !choice.school.has_value();
        if (choice.classes == wanted && sameSchool) {
            return true;
        }
    }
    return false;
}

}  // namespace tavrel::cli
