#include "reasons.h"

#include <array>
#include <string_view>

#include "eligibility.h"

namespace tavrel {
namespace {

// Race and class words for sentences, in the index orders of the races and of ClassBox.
constexpr std::array<std::string_view, kRaceCount> kRacePlurals{
    "Elves", "Half-elves", "Dwarves", "Humans", "Gnomes", "Halflings"};
constexpr std::array<std::string_view, kRaceCount> kRaceAdjectives{"Elf",   "Half-elf", "Dwarf",
                                                                   "Human", "Gnome",    "Halfling"};
constexpr std::array<std::string_view, kClassBoxCount> kClassWords{
    "fighter", "ranger", "paladin", "mage", "specialist", "cleric", "druid", "thief", "bard"};
constexpr std::array<std::string_view, kClassBoxCount> kClassPlurals{
    "fighters", "rangers", "paladins", "mages", "specialists",
    "clerics",  "druids",  "thieves",  "bards"};
constexpr std::array<std::string_view, kSchoolCount> kSchoolPlurals{
    "abjurers",     "conjurers", "diviners",     "enchanters",
    "illusionists", "invokers",  "necromancers", "transmuters"};

template <std::size_t N>
std::string word(const std::array<std::string_view, N>& words, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < N
               ? std::string(words[static_cast<std::size_t>(i)])
               : std::string("?");
}

// The classes of a combination as a player says them, the last one plural: "fighter/mages".
std::string combinationPlural(std::uint16_t combination, int fallback) {
    std::string text;
    int last = -1;
    for (int i = 0; i < kClassBoxCount; ++i) {
        if (combination & (1u << i)) {
            if (last >= 0)
                text += word(kClassWords, last) + "/";
            last = i;
        }
    }
    return text + word(kClassPlurals, last >= 0 ? last : fallback);
}

}  // namespace

std::string Reason::text() const {
    const std::string racePlural = word(kRacePlurals, race);
    const std::string raceAdjective = word(kRaceAdjectives, race);
    switch (rule) {
        case WithdrawalRule::None:
            return {};
        case WithdrawalRule::Race:
            return racePlural + " cannot be " +
                   (school ? word(kSchoolPlurals, subject) : word(kClassPlurals, subject));
        case WithdrawalRule::Alignment:
            return detail >= 0 && static_cast<std::size_t>(detail) < kAlignmentRules.size()
                       ? std::string(kAlignmentRules[static_cast<std::size_t>(detail)].says)
                       : std::string("?");
        case WithdrawalRule::Combination:
            return raceAdjective + " " + combinationPlural(combination, detail) +
                   " cannot also be " + word(kClassPlurals, subject);
        case WithdrawalRule::OneClass:
            return racePlural + " can have only one class";
        case WithdrawalRule::TwoClasses:
            return racePlural + " can have at most two classes";
        case WithdrawalRule::Specialist:
            return raceAdjective + " specialists cannot have another class";
    }
    return {};
}

}  // namespace tavrel
