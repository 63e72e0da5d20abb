#include "output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "cliargs.h"

namespace tavrel::cli {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

template <typename Array>
QJsonArray numbers(const Array& values) {
    QJsonArray a;
    for (const auto v : values) a.append(static_cast<int>(v));
    return a;
}

QJsonArray texts(const std::vector<std::string>& values) {
    QJsonArray a;
    for (const std::string& v : values) a.append(q(v));
    return a;
}

std::string joined(const std::vector<std::string>& entries) {
    std::string s;
    for (const std::string& e : entries) s += e + "; ";
    return s;
}

std::string score(int v) { return v == 0 ? std::string() : std::to_string(v); }

}  // namespace

std::string characterText(const Character& c, const VirtualSchedule::Start& start) {
    std::string strength = score(c.abilityScore[STR]);
    if (c.exceptionalStrength >= 0) {
        strength += "/" + (c.exceptionalStrength == 0 ? std::string("00")
                                                      : std::to_string(c.exceptionalStrength));
    }
    std::string t;
    t += "Seed: " + std::to_string(start.seed) + "   Time: " + formatTime(start.time) + "\n";
    t += "Name: " + c.name + "\n";
    t += c.genderLine + "   " + c.hitPointsLine + "   " + c.raceLine + "   " + c.classLine +
         "   " + c.levelLine + "\n";
    t += c.alignmentLine + "   " + c.armourLine + "\n";
    t += "STR: " + strength;
    for (int a = CON; a <= CHA; ++a) {
        t += "   " + std::string(kAbilityNames[a]) + ": " + score(c.abilityScore[a]);
    }
    t += "\n";
    t += c.wizardSpellsLine + "   " + c.priestSpellsLine + "\n";
    for (const std::string* line : {&c.thiefLine, &c.specialLine, &c.scrollLine}) {
        if (!line->empty()) t += *line + "\n";
    }
    t += "Non-Weapon Proficiencies: " + joined(c.nonWeapons) + "\n";
    t += "Weapon Proficiencies: " + joined(c.weapons) + "\n";
    return t;
}

std::string characterJson(const CharacterOptions& o, const Character& c,
                          const VirtualSchedule::Start& start) {
    QJsonObject options{
        {"race", o.race},
        {"fighter", o.fighter},
        {"ranger", o.ranger},
        {"paladin", o.paladin},
        {"mage", o.mage},
        {"specialist", o.specialist},
        {"school", o.school ? QJsonValue(*o.school) : QJsonValue(QJsonValue::Null)},
        {"cleric", o.cleric},
        {"druid", o.druid},
        {"thief", o.thief},
        {"bard", o.bard},
        {"lawChaos", o.lawChaos},
        {"goodEvil", o.goodEvil},
        {"gender", o.gender},
        {"levelRange", o.levelRange},
        {"diceMethod", o.diceMethod},
        {"restrictionsLifted", o.restrictionsLifted},
    };
    QJsonObject json{
        {"seed", static_cast<qint64>(start.seed)},
        {"startTime", q(formatTime(start.time))},
        {"options", options},
        {"name", q(c.name)},
        {"level", c.level},
        {"classCount", c.classCount},
        {"abilityFloor", numbers(c.abilityFloor)},
        {"racialAdjustment", numbers(c.racialAdjustment)},
        {"abilityScore", numbers(c.abilityScore)},
        {"exceptionalStrength", c.exceptionalStrength},
        {"revealTick", c.revealTick},
        {"hitDiceTotal", c.hitDiceTotal},
        {"conHitPointTotal", c.conHitPointTotal},
        {"levelsRolled", c.levelsRolled},
        {"hitPoints", c.hitPoints},
        {"armourClass", c.armourClass},
        {"weaponSlots", c.weaponSlots},
        {"weaponSlotsFilled", c.weaponSlotsFilled},
        {"nonWeaponSlots", c.nonWeaponSlots},
        {"nonWeaponSlotsUsed", c.nonWeaponSlotsUsed},
        {"weapons", texts(c.weapons)},
        {"nonWeapons", texts(c.nonWeapons)},
        {"alignmentLine", q(c.alignmentLine)},
        {"raceLine", q(c.raceLine)},
        {"genderLine", q(c.genderLine)},
        {"classLine", q(c.classLine)},
        {"levelLine", q(c.levelLine)},
        {"hitPointsLine", q(c.hitPointsLine)},
        {"armourLine", q(c.armourLine)},
        {"thiefLine", q(c.thiefLine)},
        {"specialLine", q(c.specialLine)},
        {"scrollLine", q(c.scrollLine)},
        {"wizardSpellsLine", q(c.wizardSpellsLine)},
        {"priestSpellsLine", q(c.priestSpellsLine)},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace tavrel::cli
