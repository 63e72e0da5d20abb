#include "charactertext.h"

#include "clock.h"

namespace tavrel {

namespace {

std::string joined(const std::vector<std::string>& entries) {
    std::string s;
    for (const std::string& e : entries)
        s += e + "; ";
    return s;
}

}  // namespace

std::string characterText(const Character& c, const VirtualSchedule::Start& start,
                          std::string_view link) {
    std::string t;
    t += "Seed: " + std::to_string(start.seed) + "   Time: " + formatTime(start.time) + "\n";
    if (!link.empty()) {
        t += "Link: " + std::string(link) + "\n";
    }
    t += "Name: " + c.name + "\n";
    t += c.genderLine + "   " + c.hitPointsLine + "   " + c.raceLine + "   " + c.classLine + "   " +
         c.levelLine + "\n";
    t += c.alignmentLine + "   " + c.armourLine + "\n";
    t += "STR: " + strengthText(c);
    for (int a = CON; a <= CHA; ++a) {
        t += "   " + std::string(kAbilityNames[a]) + ": " + scoreText(c.abilityScore[a]);
    }
    t += "\n";
    t += c.wizardSpellsLine + "   " + c.priestSpellsLine + "\n";
    for (const std::string* line : {&c.thiefLine, &c.specialLine, &c.scrollLine}) {
        if (!line->empty())
            t += *line + "\n";
    }
    t += "Non-Weapon Proficiencies: " + joined(c.nonWeapons) + "\n";
    t += "Weapon Proficiencies: " + joined(c.weapons) + "\n";
    return t;
}

}  // namespace tavrel
