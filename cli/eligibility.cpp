#include "eligibility.h"

#include "exploration.h"

namespace tavrel::cli {

namespace {

CharacterOptions withChoice(CharacterOptions o, const AllowedChoice& choice) {
    const auto has = [&](ClassBox box) { return (choice.classes & bitOf(box)) != 0; };
    o.fighter = has(ClassBox::Fighter);
    o.ranger = has(ClassBox::Ranger);
    o.paladin = has(ClassBox::Paladin);
    o.mage = has(ClassBox::Mage);
    o.specialist = has(ClassBox::Specialist);
    o.cleric = has(ClassBox::Cleric);
    o.druid = has(ClassBox::Druid);
    o.thief = has(ClassBox::Thief);
    o.bard = has(ClassBox::Bard);
    o.school = choice.school;
    return o;
}

}  // namespace

std::vector<CharacterOptions> allowedClassSets(int race, int lawChaos, int goodEvil) {
    CharacterOptions base;
    base.race = race;
    base.lawChaos = lawChaos;
    base.goodEvil = goodEvil;
    std::vector<CharacterOptions> sets;
    for (const AllowedChoice& choice : tavrel::allowedClassSets(race, lawChaos, goodEvil)) {
        sets.push_back(withChoice(base, choice));
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
