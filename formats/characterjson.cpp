#include "characterjson.h"

#include <rapidjson/document.h>
#include <rapidjson/encodedstream.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <variant>
#include <vector>

#include "clock.h"

namespace tavrel {

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
                         const CharacterOrigin* origin, std::string_view link) {
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
    number(w, "format", kCharacterFormat);
    line(w, "genderLine", c.genderLine);
    number(w, "hitDiceTotal", c.hitDiceTotal);
    number(w, "hitPoints", c.hitPoints);
    line(w, "hitPointsLine", c.hitPointsLine);
    number(w, "level", c.level);
    line(w, "levelLine", c.levelLine);
    number(w, "levelsRolled", c.levelsRolled);
    if (!link.empty()) {
        line(w, "link", link);
    }
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
    if (origin != nullptr) {
        w.Uint(origin->seed);
    } else {
        w.Null();
    }
    line(w, "specialLine", c.specialLine);
    key(w, "startTime");
    if (origin != nullptr) {
        text(w, formatTime(origin->startTime));
    } else {
        w.Null();
    }
    line(w, "thiefLine", c.thiefLine);
    number(w, "weaponSlots", c.weaponSlots);
    number(w, "weaponSlotsFilled", c.weaponSlotsFilled);
    texts(w, "weapons", c.weapons);
    line(w, "wizardSpellsLine", c.wizardSpellsLine);
    w.EndObject();
    out.append(buffer.GetString(), buffer.GetSize());
}

std::string characterJson(const SavedCharacter& saved) {
    std::string json;
    appendCharacterJson(json, saved.options, saved.character,
                        saved.origin ? &*saved.origin : nullptr);
    return json;
}

namespace {

// A whole number in [low, high]; `zeroToo` admits 0 outside the range ("not rolled yet").
struct Range {
    int low;
    int high;
    bool zeroToo = false;

    bool holds(int v) const { return (v >= low && v <= high) || (zeroToo && v == 0); }
    std::string text() const {
        std::string t = zeroToo ? "0 or " : "";
        return t + std::to_string(low) + ".." + std::to_string(high);
    }
};

constexpr Range kCounter{std::numeric_limits<std::int8_t>::min(),
                         std::numeric_limits<std::int8_t>::max()};
constexpr Range kInteger{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};

using Field = std::variant<std::int8_t Character::*, int Character::*, std::string Character::*,
                           std::vector<std::string> Character::*,
                           std::array<std::int8_t, kAbilityCount> Character::*,
                           std::array<int, kAbilityCount> Character::*>;

struct RecordMember {
    std::string_view name;
    Field field;
    Range range = kCounter;
};

// The record's fields with their declared ranges (signed 8-bit where the record declares no
// narrower range).
constexpr std::size_t kRecordMemberCount = 31;

const std::array<RecordMember, kRecordMemberCount>& recordMembers() {
    using C = Character;
    static const std::array<RecordMember, kRecordMemberCount> members{{
        {"name", &C::name},
        {"level", &C::level, {1, 15}},
        {"classCount", &C::classCount, {0, 9}},
        {"abilityFloor", &C::abilityFloor},
        {"racialAdjustment", &C::racialAdjustment, {-1, 1}},
        {"abilityScore", &C::abilityScore, {3, 19, true}},
        {"exceptionalStrength", &C::exceptionalStrength, {-1, 99}},
        {"revealTick", &C::revealTick},
        {"hitDiceTotal", &C::hitDiceTotal},
        {"conHitPointTotal", &C::conHitPointTotal},
        {"levelsRolled", &C::levelsRolled},
        {"hitPoints", &C::hitPoints, kInteger},
        {"armourClass", &C::armourClass},
        {"weaponSlots", &C::weaponSlots},
        {"weaponSlotsFilled", &C::weaponSlotsFilled},
        {"nonWeaponSlots", &C::nonWeaponSlots},
        {"nonWeaponSlotsUsed", &C::nonWeaponSlotsUsed},
        {"weapons", &C::weapons},
        {"nonWeapons", &C::nonWeapons},
        {"alignmentLine", &C::alignmentLine},
        {"raceLine", &C::raceLine},
        {"genderLine", &C::genderLine},
        {"classLine", &C::classLine},
        {"levelLine", &C::levelLine},
        {"hitPointsLine", &C::hitPointsLine},
        {"armourLine", &C::armourLine},
        {"thiefLine", &C::thiefLine},
        {"specialLine", &C::specialLine},
        {"scrollLine", &C::scrollLine},
        {"wizardSpellsLine", &C::wizardSpellsLine},
        {"priestSpellsLine", &C::priestSpellsLine},
    }};
    return members;
}

struct OptionsMember {
    std::string_view name;
    std::variant<bool CharacterOptions::*, int CharacterOptions::*> field;
    Range range{0, 0};
};

const std::array<OptionsMember, 16>& optionsMembers() {
    using O = CharacterOptions;
    static const std::array<OptionsMember, 16> members{{
        {"race", &O::race, {0, kRaceCount - 1}},
        {"fighter", &O::fighter},
        {"ranger", &O::ranger},
        {"paladin", &O::paladin},
        {"mage", &O::mage},
        {"specialist", &O::specialist},
        {"cleric", &O::cleric},
        {"druid", &O::druid},
        {"thief", &O::thief},
        {"bard", &O::bard},
        {"lawChaos", &O::lawChaos, {0, 2}},
        {"goodEvil", &O::goodEvil, {0, 2}},
        {"gender", &O::gender, {0, 1}},
        {"levelRange", &O::levelRange, {0, 2}},
        {"diceMethod", &O::diceMethod, {0, 2}},
        {"restrictionsLifted", &O::restrictionsLifted},
    }};
    return members;
}

// The members of the file beside the record's fields. "seed" and "startTime" (the origin of a
// headless character) and "link" (a web address a front end may add) may be absent or null.
constexpr std::array<std::string_view, 5> kFileMembers{"format", "options", "seed", "startTime",
                                                       "link"};
constexpr std::size_t kRequiredFileMembers = 2;

constexpr const char* kLoneSurrogate =
    "holds an escaped lone surrogate, which stands for no character";

std::string ordinal(std::size_t index) {
    return "entry " + std::to_string(index + 1);
}

// A member name as the message shows it. An unknown name comes from the file: it is cut short,
// and control characters are shown as escapes so that the message stays one line.
std::string shown(std::string_view name) {
    constexpr std::size_t kShown = 64;
    std::string out;
    for (std::size_t i = 0; i < name.size() && i < kShown; ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += name[i];
        }
    }
    if (name.size() > kShown)
        out += "...";
    return out;
}

// Reads one value, or records the first thing wrong with it.
class Reader {
public:
    const std::string& error() const { return m_error; }

    bool fail(std::string_view member, const std::string& what) {
        m_error = "member \"" + shown(member) + "\": " + what;
        return false;
    }

    bool integer(std::string_view member, const rapidjson::Value& v, Range range, int& out,
                 const std::string& where = {}) {
        const std::string at = where.empty() ? std::string() : where + " ";
        if (!v.IsInt()) {
            return fail(member, at + "is not a whole number");
        }
        if (!range.holds(v.GetInt())) {
            return fail(member, at + std::to_string(v.GetInt()) + " is outside " + range.text());
        }
        out = v.GetInt();
        return true;
    }

    bool textValue(std::string_view member, const rapidjson::Value& v, std::string& out,
                   const std::string& where = {}) {
        const std::string at = where.empty() ? std::string() : where + " ";
        if (!v.IsString()) {
            return fail(member, at + "is not a text");
        }
        const std::string_view s(v.GetString(), v.GetStringLength());
        if (s.size() > kCharacterTextLimit) {
            return fail(member,
                        at + "is longer than " + std::to_string(kCharacterTextLimit) + " bytes");
        }
        // Line breaks and tabs can be typed into the name; no other control character has a
        // meaning in a sheet, and a NUL would cut the text short in other programs.
        for (std::size_t i = 0; i < s.size(); ++i) {
            const auto byte = static_cast<unsigned char>(s[i]);
            if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
                return fail(member, at + "holds the control character " + std::to_string(byte));
            }
            // The parser has checked the file's own bytes, but it turns an escaped lone low
            // surrogate ("\udc00".."\udfff") into bytes 0xED 0xB0..0xBF, which are not UTF-8:
            // the text could not be written back into a file that this reader accepts.
            if (byte == 0xED && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0xA0) {
                return fail(member, at + kLoneSurrogate);
            }
        }
        out.assign(s);
        return true;
    }

    bool list(std::string_view member, const rapidjson::Value& v, std::vector<std::string>& out) {
        if (!v.IsArray()) {
            return fail(member, "is not a list of texts");
        }
        if (v.Size() > kCharacterListLimit) {
            return fail(member,
                        "has more than " + std::to_string(kCharacterListLimit) + " entries");
        }
        out.assign(v.Size(), std::string());
        for (rapidjson::SizeType i = 0; i < v.Size(); ++i) {
            if (!textValue(member, v[i], out[i], ordinal(i)))
                return false;
        }
        return true;
    }

    template <typename T>
    bool six(std::string_view member, const rapidjson::Value& v, Range range,
             std::array<T, kAbilityCount>& out) {
        if (!v.IsArray() || v.Size() != kAbilityCount) {
            return fail(member, "is not a list of six whole numbers");
        }
        for (rapidjson::SizeType i = 0; i < v.Size(); ++i) {
            int n = 0;
            if (!integer(member, v[i], range, n, ordinal(i)))
                return false;
            out[i] = static_cast<T>(n);
        }
        return true;
    }

    bool field(const RecordMember& m, const rapidjson::Value& v, Character& c) {
        return std::visit(
            [&](auto pointer) -> bool {
                using P = decltype(pointer);
                auto& target = c.*pointer;
                if constexpr (std::is_same_v<P, std::string Character::*>) {
                    return textValue(m.name, v, target);
                } else if constexpr (std::is_same_v<P, std::vector<std::string> Character::*>) {
                    return list(m.name, v, target);
                } else if constexpr (std::is_same_v<P, std::int8_t Character::*> ||
                                     std::is_same_v<P, int Character::*>) {
                    int n = 0;
                    if (!integer(m.name, v, m.range, n))
                        return false;
                    target = static_cast<std::remove_reference_t<decltype(target)>>(n);
                    return true;
                } else {
                    return six(m.name, v, m.range, target);
                }
            },
            m.field);
    }

    bool options(const rapidjson::Value& v, CharacterOptions& o) {
        if (!v.IsObject()) {
            return fail("options", "is not an object");
        }
        const auto& members = optionsMembers();
        std::array<bool, 17> seen{};  // the members above, then "school"
        for (auto it = v.MemberBegin(); it != v.MemberEnd(); ++it) {
            const std::string_view name(it->name.GetString(), it->name.GetStringLength());
            const std::string path = "options." + std::string(name);
            std::size_t index = members.size();
            for (std::size_t i = 0; i < members.size(); ++i) {
                if (members[i].name == name)
                    index = i;
            }
            if (index == members.size() && name != "school") {
                return fail(path, "is not a member of the options");
            }
            if (seen[index]) {
                return fail(path, "appears twice");
            }
            seen[index] = true;
            if (index == members.size()) {
                if (it->value.IsNull()) {
                    o.school.reset();
                } else {
                    int school = 0;
                    if (!integer(path, it->value, {0, kSchoolCount - 1}, school))
                        return false;
                    o.school = school;
                }
                continue;
            }
            const OptionsMember& m = members[index];
            if (const auto* flag = std::get_if<bool CharacterOptions::*>(&m.field)) {
                if (!it->value.IsBool())
                    return fail(path, "is not true or false");
                o.*(*flag) = it->value.GetBool();
            } else if (!integer(path, it->value, m.range,
                                o.*std::get<int CharacterOptions::*>(m.field))) {
                return false;
            }
        }
        for (std::size_t i = 0; i < seen.size(); ++i) {
            if (!seen[i]) {
                const std::string_view name = i < members.size() ? members[i].name : "school";
                return fail("options." + std::string(name), "is missing");
            }
        }
        return true;
    }

    bool document(const rapidjson::Value& root, SavedCharacter& saved) {
        if (!root.IsObject()) {
            return fail("(file)", "is not a JSON object");
        }
        const auto& members = recordMembers();
        // The record's fields, then the file's own members.
        std::array<const rapidjson::Value*, kRecordMemberCount + kFileMembers.size()> found{};
        for (auto it = root.MemberBegin(); it != root.MemberEnd(); ++it) {
            const std::string_view name(it->name.GetString(), it->name.GetStringLength());
            std::size_t index = found.size();
            for (std::size_t i = 0; i < found.size(); ++i) {
                const std::string_view known =
                    i < members.size() ? members[i].name : kFileMembers[i - members.size()];
                if (known == name)
                    index = i;
            }
            if (index == found.size()) {
                return fail(name, "is not a member of a character file");
            }
            // Readers differ in which of two equal names they take; a file that has two is
            // ambiguous, so it is refused.
            if (found[index] != nullptr) {
                return fail(name, "appears twice");
            }
            found[index] = &it->value;
        }
        for (std::size_t i = 0; i < members.size() + kRequiredFileMembers; ++i) {
            if (found[i] == nullptr) {
                return fail(i < members.size() ? members[i].name : kFileMembers[i - members.size()],
                            "is missing");
            }
        }
        const auto file = [&](std::size_t i) { return found[members.size() + i]; };
        int format = 0;
        if (!integer("format", *file(0), kInteger, format))
            return false;
        if (format != kCharacterFormat) {
            return fail("format", std::to_string(format) +
                                      " is not a layout this program reads (it reads " +
                                      std::to_string(kCharacterFormat) + ")");
        }
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (!field(members[i], *found[i], saved.character))
                return false;
        }
        if (!options(*file(1), saved.options))
            return false;
        if (const rapidjson::Value* link = file(4); link != nullptr && !link->IsNull()) {
            std::string ignored;
            if (!textValue("link", *link, ignored))
                return false;
        }
        return origin(file(2), file(3), saved.origin);
    }

    // "seed" and "startTime" come together: both numbers, or both null or absent.
    bool origin(const rapidjson::Value* seed, const rapidjson::Value* startTime,
                std::optional<CharacterOrigin>& out) {
        const bool hasSeed = seed != nullptr && !seed->IsNull();
        const bool hasTime = startTime != nullptr && !startTime->IsNull();
        if (hasSeed && !seed->IsUint()) {
            return fail("seed", "is not a whole number from 0 to 4294967295");
        }
        std::optional<std::uint32_t> time;
        if (hasTime) {
            if (!startTime->IsString() ||
                !(time = parseTime({startTime->GetString(), startTime->GetStringLength()}))) {
                return fail("startTime", "is not a time HH:MM:SS.mmm");
            }
        }
        if (hasSeed != hasTime) {
            return fail(hasSeed ? "startTime" : "seed",
                        "must be given with its partner or be null");
        }
        if (hasSeed) {
            out = CharacterOrigin{seed->GetUint(), *time};
        } else {
            out.reset();
        }
        return true;
    }

private:
    std::string m_error;
};

// Follows the member whose value the parser is reading, so that a fault it stops at inside a
// value is named by its member, as the checks after parsing name theirs.
class MemberTracker : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, MemberTracker> {
public:
    bool Default() { return valueRead(); }
    bool StartObject() { return open(true); }
    bool StartArray() { return open(false); }
    bool Key(const char* name, rapidjson::SizeType length, bool) {
        m_open.back().member.assign(name, length);
        return true;
    }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool EndArray(rapidjson::SizeType) { return close(); }

    // "options.school" inside that value; empty between members, where no member is at fault.
    std::string member() const {
        if (m_open.empty() || (m_open.back().object && m_open.back().member.empty()))
            return {};
        std::string path;
        for (const Open& o : m_open) {
            if (o.object && !o.member.empty())
                path += (path.empty() ? "" : ".") + o.member;
        }
        return path;
    }

private:
    struct Open {
        bool object;
        std::string member;  // of an object: the member whose value is being read
    };
    bool open(bool object) {
        m_open.push_back({object, {}});
        return true;
    }
    bool close() {
        m_open.pop_back();
        return valueRead();
    }
    bool valueRead() {
        if (!m_open.empty() && m_open.back().object)
            m_open.back().member.clear();
        return true;
    }
    std::vector<Open> m_open;
};

// Iterative, so that deep nesting cannot exhaust the stack; every text must be UTF-8.
constexpr unsigned kParseFlags =
    rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag;

// Why the parser stopped, in our words: a binary file or a truncated one is simply not a
// character file, and the line and byte tell an editor where to look.
std::string notJsonText(std::string_view json, const rapidjson::ParseResult& stopped) {
    rapidjson::MemoryStream bytes(json.data(), json.size());
    rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> input(bytes);
    MemberTracker tracker;
    rapidjson::Reader().Parse<kParseFlags>(input, tracker);
    const std::string member = tracker.member();
    const std::string named = "member \"" + shown(member) + "\"";
    if (stopped.Code() == rapidjson::kParseErrorStringUnicodeSurrogateInvalid && !member.empty())
        return named + ": " + kLoneSurrogate;
    const std::string_view before = json.substr(0, stopped.Offset());
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t byte =
        before.size() - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    std::string text = "not a character file: reading stopped at line " + std::to_string(line) +
                       ", byte " + std::to_string(byte);
    return member.empty() ? text : text + " in " + named;
}

}  // namespace

CharacterReadResult readCharacterJson(std::string_view json) {
    CharacterReadResult result;
    if (json.size() > kCharacterFileLimit) {
        result.error = "the file is larger than 1 MiB";
        return result;
    }
    rapidjson::Document doc;
    doc.Parse<kParseFlags>(json.data(), json.size());
    if (doc.HasParseError()) {
        result.error = notJsonText(json, {doc.GetParseError(), doc.GetErrorOffset()});
        return result;
    }
    SavedCharacter saved;
    Reader reader;
    if (!reader.document(doc, saved)) {
        result.error = reader.error();
        return result;
    }
    result.character = std::move(saved);
    return result;
}

}  // namespace tavrel
