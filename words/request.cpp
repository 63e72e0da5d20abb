#include "request.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "cliargs.h"
#include "exploration.h"

namespace tavrel::words {

namespace {

constexpr std::array<std::string_view, 10> kRequestWords{
    "race", "class", "alignment", "gender", "levels", "dice", "seed", "time", "lift", "count"};

// A word as the front end's user typed it: the command line spells lift as a switch of its own.
std::string spelled(FrontEnd frontEnd, std::string_view word) {
    if (frontEnd == FrontEnd::Link)
        return std::string(word);
    return "--" + std::string(word == "lift" ? "lift-restrictions" : word);
}

// "an elf", "a dwarf".
std::string withArticle(std::string_view noun) {
    const bool vowel =
        !noun.empty() && std::string_view("aeiou").find(noun.front()) != std::string_view::npos;
    return (vowel ? "an " : "a ") + std::string(noun);
}

RequestError bad(FrontEnd frontEnd, std::string_view word, const std::string& value,
                 std::string_view expected) {
    return {std::string(word),
            spelled(frontEnd, word) + ": '" + value + "' is not " + std::string(expected),
            std::nullopt};
}

// "class: fighter,druid is not allowed for a human of alignment LG: <the first rule in the way>",
// the reason in the words the options window shows on a greyed box.
RequestError notAllowed(FrontEnd frontEnd, const CharacterOptions& o) {
    const AllowedChoice choice = classChoiceOf(o);
    const std::string why =
        refusalReason(o.race, o.lawChaos, o.goodEvil, choice.classes, choice.school).text();
    return {"class",
            spelled(frontEnd, "class") + ": " + classWords(choice) + " is not allowed for " +
                withArticle(kRaceWords[o.race]) + " of alignment " +
                alignmentWord(o.lawChaos, o.goodEvil) + (why.empty() ? "" : ": " + why),
            o};
}

}  // namespace

bool isRequestWord(std::string_view name) {
    return std::find(kRequestWords.begin(), kRequestWords.end(), name) != kRequestWords.end();
}

std::string givenTwiceText(FrontEnd frontEnd, std::string_view word) {
    return spelled(frontEnd, word) + " is given twice";
}

std::variant<Request, RequestError> readRequest(
    const std::vector<std::pair<std::string, std::string>>& words, FrontEnd frontEnd,
    Asking asking) {
    std::array<std::optional<std::string>, kRequestWords.size()> given;
    for (const auto& [name, value] : words) {
        const auto known = std::find(kRequestWords.begin(), kRequestWords.end(), name);
        if (known == kRequestWords.end()) {
            // The command line's parser refuses an unknown option before it gets here.
            return RequestError{name, "'" + name + "' is not a word of a character link", {}};
        }
        auto& slot = given[static_cast<std::size_t>(known - kRequestWords.begin())];
        if (slot) {
            return RequestError{name, givenTwiceText(frontEnd, name), {}};
        }
        slot = value;
    }
    const auto& [race, klass, alignment, gender, levels, dice, seed, time, lift, count] = given;

    Request r;
    CharacterOptions& o = r.options;
    if (race) {
        const auto v = parseRace(*race);
        if (!v)
            return bad(frontEnd, "race", *race, kRaceExpected);
        o.race = *v;
    }
    if (alignment) {
        const auto v = parseAlignment(*alignment);
        if (!v)
            return bad(frontEnd, "alignment", *alignment, kAlignmentExpected);
        std::tie(o.lawChaos, o.goodEvil) = *v;
    }
    if (klass) {
        if (const auto error = applyClassList(*klass, o))
            return RequestError{"class", spelled(frontEnd, "class") + ": " + *error, {}};
    } else if (asking == Asking::Characters) {
        const std::string example =
            frontEnd == FrontEnd::Link ? "class=fighter,thief" : "--class fighter,thief";
        return RequestError{
            "class", spelled(frontEnd, "class") + ": required (for example " + example + ")", {}};
    }
    if (gender) {
        const auto v = parseGender(*gender);
        if (!v)
            return bad(frontEnd, "gender", *gender, kGenderExpected);
        o.gender = *v;
    }
    if (levels) {
        const auto v = parseLevels(*levels);
        if (!v)
            return bad(frontEnd, "levels", *levels, kLevelsExpected);
        o.levelRange = *v;
    }
    if (dice) {
        const auto v = parseDice(*dice);
        if (!v)
            return bad(frontEnd, "dice", *dice, kDiceExpected);
        o.diceMethod = *v;
    }
    if (lift && *lift != "0" && *lift != "1")
        return bad(frontEnd, "lift", *lift, "0 or 1");
    o.restrictionsLifted = lift == "1";
    if (asking == Asking::Characters && !o.restrictionsLifted) {
        const auto allowed = allowedClassSets(o.race, o.lawChaos, o.goodEvil);
        if (std::find(allowed.begin(), allowed.end(), classChoiceOf(o)) == allowed.end())
            return notAllowed(frontEnd, o);
    }
    if (time) {
        r.time = parseTime(*time);
        if (!r.time)
            return bad(frontEnd, "time", *time, kTimeExpected);
    }
    if (seed) {
        r.seed = parseSeed(*seed);
        if (!r.seed)
            return bad(frontEnd, "seed", *seed, kSeedExpected);
    }
    if (count) {
        const int most = frontEnd == FrontEnd::Link ? kLinkMaxCount : kCommandLineMaxCount;
        const auto v = parseCount(*count, most);
        if (!v) {
            std::string range = "a number from 1 to " + std::to_string(most);
            if (frontEnd == FrontEnd::Link)
                range += " (a party link holds at most " + std::to_string(most) + " characters)";
            return bad(frontEnd, "count", *count, range);
        }
        r.count = *v;
    }
    return r;
}

}  // namespace tavrel::words
