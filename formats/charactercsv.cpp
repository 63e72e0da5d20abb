#include "charactercsv.h"

#include <array>
#include <charconv>

#include "armour.h"
#include "clock.h"
#include "numbertext.h"
#include "thiefskills.h"

namespace tavrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRowEnd = "\r\n";
constexpr std::string_view kListSeparator = "; ";

// A text cell starting with one of these is written after an apostrophe, so that a spreadsheet
// shows it instead of running it as a formula: the four formula signs, and tab and carriage
// return, which some spreadsheets skip before looking for one.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";
// A cell holding one of these is quoted, its quotes doubled.
constexpr std::string_view kQuotedBy = ",\"\r\n";

// The columns before the rogue skills, which are named by their line labels, and those after.
constexpr std::string_view kLeadingColumns =
    "seed,startTime,name,gender,race,classes,level,alignment,hitPoints,armourClass,armourType,"
    "STR,exceptionalStrength,CON,DEX,INT,WIS,CHA";
constexpr std::string_view kTrailingColumns =
    "wizardSpellsLine,priestSpellsLine,specialLine,scrollLine,weapons,nonWeapons,link";

template <std::size_t N>
std::string_view captionOr(const std::array<std::string_view, N>& captions, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? captions[index] : std::string_view{};
}

// The entries joined by "; " as one cell.
template <typename Entries>
void appendListCell(std::string& out, const Entries& entries) {
    bool quoted = false;
    for (std::string_view e : entries) {
        quoted = quoted || e.find_first_of(kQuotedBy) != std::string_view::npos;
    }
    if (quoted) {
        out += '"';
    }
    if (!entries.empty()) {
        const std::string_view first = *entries.begin();
        if (!first.empty() && kFormulaStarts.find(first.front()) != std::string_view::npos) {
            out += '\'';
        }
    }
    bool separate = false;
    for (std::string_view e : entries) {
        if (separate) {
            out += kListSeparator;
        }
        separate = true;
        if (!quoted) {
            out += e;
            continue;
        }
        for (std::size_t quote; (quote = e.find('"')) != std::string_view::npos;) {
            out.append(e.substr(0, quote + 1));
            out += '"';
            e.remove_prefix(quote + 1);
        }
        out += e;
    }
    if (quoted) {
        out += '"';
    }
}

void appendCell(std::string& out, std::string_view text) {
    appendListCell(out, std::array<std::string_view, 1>{text});
}

}  // namespace

// "Fighter Thief" from "Class: Fighter Thief ": the class line names each class followed by a
// blank.
std::string_view classNames(std::string_view classLine) {
    constexpr std::string_view kLabel = "Class: ";
    if (classLine.starts_with(kLabel)) {
        classLine.remove_prefix(kLabel.size());
    }
    while (classLine.ends_with(' ')) {
        classLine.remove_suffix(1);
    }
    return classLine;
}

void appendCsvHeader(std::string& out) {
    out += kByteOrderMark;
    out += kLeadingColumns;
    for (std::string_view label : kRogueSkillLabels) {
        out += ',';
        out += label;
    }
    out += ',';
    out += kTrailingColumns;
    out += kRowEnd;
}

void appendCharacterCsv(std::string& out, const CharacterOptions& o, const Character& c,
                        const VirtualSchedule::Start& start, std::string_view link) {
    // Numbers are written bare: a negative one ("-3") is a number to a spreadsheet, not a formula.
    char seed[16];
    out.append(seed, std::to_chars(seed, seed + sizeof seed, start.seed).ptr);
    out += ',';
    out += formatTime(start.time);
    out += ',';
    appendCell(out, c.name);
    out += ',';
    appendCell(out, captionOr(kGenderCaptions, o.gender));
    out += ',';
    appendCell(out, captionOr(kRaceCaptions, o.race));
    out += ',';
    appendCell(out, classNames(c.classLine));
    out += ',';
    appendNumber(out, c.level);
    out += ',';
    out += captionOr(kLawChaosCaptions, o.lawChaos);
    out += ' ';
    out += captionOr(kGoodEvilCaptions, o.goodEvil);
    out += ',';
    appendNumber(out, c.hitPoints);
    out += ',';
    appendNumber(out, c.armourClass);
    out += ',';
    appendCell(out, armourTypeText(c));
    // Strength and its exceptional part in columns of their own, so that "18/12" cannot be read
    // as a date.
    for (int a = STR; a <= CHA; ++a) {
        out += ',';
        out += scoreText(c.abilityScore[a]);
        if (a == STR) {
            out += ',';
            out += exceptionalStrengthText(c.exceptionalStrength);
        }
    }
    // One column a skill, in the thief's order; the bard and the ranger leave theirs blank.
    const RogueSkills shown = shownRogueSkills(o, c);
    std::array<const RogueSkill*, kRogueSkillCount> byColumn{};
    for (int i = 0; i < shown.count; ++i) {
        for (int column = 0; column < kRogueSkillCount; ++column) {
            if (kRogueSkillLabels[column] == shown.skills[i].label) {
                byColumn[column] = &shown.skills[i];
            }
        }
    }
    for (const RogueSkill* skill : byColumn) {
        out += ',';
        if (skill) {
            appendNumber(out, skill->value);
        }
    }
    for (const std::string* line :
         {&c.wizardSpellsLine, &c.priestSpellsLine, &c.specialLine, &c.scrollLine}) {
        out += ',';
        appendCell(out, *line);
    }
    out += ',';
    appendListCell(out, c.weapons);
    out += ',';
    appendListCell(out, c.nonWeapons);
    out += ',';
    appendCell(out, link);
    out += kRowEnd;
}

}  // namespace tavrel
