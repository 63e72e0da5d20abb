#include "linkwords.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "cliargs.h"
#include "exploration.h"

namespace tavrel::words {

namespace {

constexpr std::array<std::string_view, 9> kLinkWords{
    "race", "class", "alignment", "gender", "levels", "dice", "seed", "time", "lift"};

LinkError bad(std::string_view word, const std::string& value, std::string_view expected) {
    return {std::string(word),
            std::string(word) + ": '" + value + "' is not " + std::string(expected)};
}

}  // namespace

std::variant<LinkRequest, LinkError> readLinkWords(
    const std::vector<std::pair<std::string, std::string>>& words) {
    std::array<std::optional<std::string>, kLinkWords.size()> given;
    for (const auto& [name, value] : words) {
        const auto known = std::find(kLinkWords.begin(), kLinkWords.end(), name);
        if (known == kLinkWords.end()) {
            return LinkError{name, "'" + name + "' is not a word of a character link"};
        }
        auto& slot = given[static_cast<std::size_t>(known - kLinkWords.begin())];
        if (slot) {
            return LinkError{name, name + " is given twice"};
        }
        slot = value;
    }
    const auto& [race, klass, alignment, gender, levels, dice, seed, time, lift] = given;

    LinkRequest r;
    CharacterOptions& o = r.options;
    if (race) {
        const auto v = parseRace(*race);
        if (!v)
            return bad("race", *race, kRaceExpected);
        o.race = *v;
    }
    if (alignment) {
        const auto v = parseAlignment(*alignment);
        if (!v) {
            return bad("alignment", *alignment, kAlignmentExpected);
        }
        std::tie(o.lawChaos, o.goodEvil) = *v;
    }
    if (!klass) {
        return LinkError{"class", "class: required (for example class=fighter,thief)"};
    }
    if (const auto error = applyClassList(*klass, o)) {
        return LinkError{"class", "class: " + *error};
    }
    if (gender) {
        const auto v = parseGender(*gender);
        if (!v)
            return bad("gender", *gender, kGenderExpected);
        o.gender = *v;
    }
    if (levels) {
        const auto v = parseLevels(*levels);
        if (!v)
            return bad("levels", *levels, kLevelsExpected);
        o.levelRange = *v;
    }
    if (dice) {
        const auto v = parseDice(*dice);
        if (!v)
            return bad("dice", *dice, kDiceExpected);
        o.diceMethod = *v;
    }
    if (lift && *lift != "0" && *lift != "1") {
        return bad("lift", *lift, "0 or 1");
    }
    o.restrictionsLifted = lift == "1";
    const auto allowed = allowedClassSets(o.race, o.lawChaos, o.goodEvil);
    if (!o.restrictionsLifted &&
        std::find(allowed.begin(), allowed.end(), classChoiceOf(o)) == allowed.end()) {
        return LinkError{"class", "class: " + notAllowedText(o) +
                                      " unless the restrictions are lifted (lift=1)"};
    }
    if (seed) {
        r.seed = parseSeed(*seed);
        if (!r.seed)
            return bad("seed", *seed, kSeedExpected);
    }
    if (time) {
        r.time = parseTime(*time);
        if (!r.time)
            return bad("time", *time, kTimeExpected);
    }
    return r;
}

std::string linkQuery(const CharacterOptions& o, const VirtualSchedule::Start& start) {
    // Every word is written, defaults too, so that a link keeps its meaning should a default
    // ever change. None of the values needs percent-encoding.
    std::string q = "race=" + std::string(kRaceWords[o.race]) +
                    "&class=" + classWords(classChoiceOf(o)) +
                    "&alignment=" + alignmentWord(o.lawChaos, o.goodEvil) +
                    "&gender=" + std::string(kGenderWords[o.gender]) +
                    "&levels=" + std::string(kLevelWords[o.levelRange]) +
                    "&dice=" + std::string(kDiceWords[o.diceMethod]) +
                    "&seed=" + std::to_string(start.seed) + "&time=" + formatTime(start.time);
    if (o.restrictionsLifted)
        q += "&lift=1";
    return q;
}

std::string characterLink(std::string_view base, const CharacterOptions& options,
                          const VirtualSchedule::Start& start) {
    if (base.empty())
        return {};
    return std::string(base) + "?" + linkQuery(options, start);
}

}  // namespace tavrel::words
