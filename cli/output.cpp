#include "output.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <string_view>

#include "cliargs.h"

namespace tavrel::cli {

namespace {

std::string joined(const std::vector<std::string>& entries) {
    std::string s;
    for (const std::string& e : entries)
        s += e + "; ";
    return s;
}

std::string score(int v) {
    return v == 0 ? std::string() : std::to_string(v);
}

}  // namespace

std::string characterText(const Character& c, const VirtualSchedule::Start& start,
                          std::string_view link) {
    std::string strength = score(c.abilityScore[STR]);
    if (c.exceptionalStrength >= 0) {
        strength += '/';
        strength += c.exceptionalStrength == 0 ? std::string("00")
                                               : std::to_string(c.exceptionalStrength);
    }
    std::string t;
    t += "Seed: " + std::to_string(start.seed) + "   Time: " + formatTime(start.time) + "\n";
    if (!link.empty()) t += "Link: " + std::string(link) + "\n";
    t += "Name: " + c.name + "\n";
    t += c.genderLine + "   " + c.hitPointsLine + "   " + c.raceLine + "   " + c.classLine + "   " +
         c.levelLine + "\n";
    t += c.alignmentLine + "   " + c.armourLine + "\n";
    t += "STR: " + strength;
    for (int a = CON; a <= CHA; ++a) {
        t += "   " + std::string(kAbilityNames[a]) + ": " + score(c.abilityScore[a]);
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

namespace {

using JsonWriter = rapidjson::Writer<rapidjson::StringBuffer>;

void text(JsonWriter& w, std::string_view s) {
    w.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
}

void key(JsonWriter& w, std::string_view name) {
    w.Key(name.data(), static_cast<rapidjson::SizeType>(name.size()));
}

template <typename Array>
void numbers(JsonWriter& w, std::string_view name, const Array& values) {
    key(w, name);
    w.StartArray();
    for (const auto v : values)
        w.Int(static_cast<int>(v));
    w.EndArray();
}

void texts(JsonWriter& w, std::string_view name, const std::vector<std::string>& values) {
    key(w, name);
    w.StartArray();
    for (const std::string& v : values)
        text(w, v);
    w.EndArray();
}

void number(JsonWriter& w, std::string_view name, int value) {
    key(w, name);
    w.Int(value);
}

void flag(JsonWriter& w, std::string_view name, bool value) {
    key(w, name);
    w.Bool(value);
}

void line(JsonWriter& w, std::string_view name, std::string_view value) {
    key(w, name);
    text(w, value);
}

void optionsObject(JsonWriter& w, const CharacterOptions& o) {
    w.StartObject();
    flag(w, "bard", o.bard);
    flag(w, "cleric", o.cleric);
    number(w, "diceMethod", o.diceMethod);
    flag(w, "druid", o.druid);
    flag(w, "fighter", o.fighter);
    number(w, "gender", o.gender);
    number(w, "goodEvil", o.goodEvil);
    number(w, "lawChaos", o.lawChaos);
    number(w, "levelRange", o.levelRange);
    flag(w, "mage", o.mage);
    flag(w, "paladin", o.paladin);
    number(w, "race", o.race);
    flag(w, "ranger", o.ranger);
    flag(w, "restrictionsLifted", o.restrictionsLifted);
    key(w, "school");
    if (o.school) {
        w.Int(*o.school);
    } else {
        w.Null();
    }
    flag(w, "specialist", o.specialist);
    flag(w, "thief", o.thief);
    w.EndObject();
}

}  // namespace

// Keys are written in byte order, the order the tool has always written them in, so that the
// output of a seed and time stays the same bytes from one version to the next.
void appendCharacterJson(std::string& out, const CharacterOptions& o, const Character& c,
                         const VirtualSchedule::Start& start, std::string_view link) {
    // Room for a whole line up front: the buffer then never grows while the line is written.
    rapidjson::StringBuffer buffer(nullptr, 4096);
    JsonWriter w(buffer);
    w.StartObject();
    numbers(w, "abilityFloor", c.abilityFloor);
    numbers(w, "abilityScore", c.abilityScore);
    line(w, "alignmentLine", c.alignmentLine);
    number(w, "armourClass", c.armourClass);
    line(w, "armourLine", c.armourLine);
    number(w, "classCount", c.classCount);
    line(w, "classLine", c.classLine);
    number(w, "conHitPointTotal", c.conHitPointTotal);
    number(w, "exceptionalStrength", c.exceptionalStrength);
    line(w, "genderLine", c.genderLine);
    number(w, "hitDiceTotal", c.hitDiceTotal);
    number(w, "hitPoints", c.hitPoints);
    line(w, "hitPointsLine", c.hitPointsLine);
    number(w, "level", c.level);
    line(w, "levelLine", c.levelLine);
    number(w, "levelsRolled", c.levelsRolled);
    if (!link.empty()) line(w, "link", link);
    line(w, "name", c.name);
    number(w, "nonWeaponSlots", c.nonWeaponSlots);
    number(w, "nonWeaponSlotsUsed", c.nonWeaponSlotsUsed);
    texts(w, "nonWeapons", c.nonWeapons);
    key(w, "options");
    optionsObject(w, o);
    line(w, "priestSpellsLine", c.priestSpellsLine);
    line(w, "raceLine", c.raceLine);
    numbers(w, "racialAdjustment", c.racialAdjustment);
    number(w, "revealTick", c.revealTick);
    line(w, "scrollLine", c.scrollLine);
    key(w, "seed");
    w.Uint(start.seed);
    line(w, "specialLine", c.specialLine);
    line(w, "startTime", formatTime(start.time));
    line(w, "thiefLine", c.thiefLine);
    number(w, "weaponSlots", c.weaponSlots);
    number(w, "weaponSlotsFilled", c.weaponSlotsFilled);
    texts(w, "weapons", c.weapons);
    line(w, "wizardSpellsLine", c.wizardSpellsLine);
    w.EndObject();
    out.append(buffer.GetString(), buffer.GetSize());
}

std::string characterJson(const CharacterOptions& o, const Character& c,
                          const VirtualSchedule::Start& start, std::string_view link) {
    std::string json;
    appendCharacterJson(json, o, c, start, link);
    return json;
}

}  // namespace tavrel::cli
