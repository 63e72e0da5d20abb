#include "cliargs.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tavrel::cli {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return out;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

template <typename Words>
std::optional<int> indexOf(const Words& words, std::string_view word) {
    const std::string w = lower(word);
    int i = 0;
    for (std::string_view candidate : words) {
        if (candidate == w)
            return i;
        ++i;
    }
    return std::nullopt;
}

// A run of decimal digits, nothing else, as an unsigned 64-bit value (nullopt on overflow).
std::optional<std::uint64_t> digits(std::string_view s) {
    if (s.empty() || s.size() > 19)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

constexpr std::string_view kClassWords[] = {"fighter", "ranger", "paladin", "mage",
                                            "cleric",  "druid",  "thief",   "bard"};
constexpr std::string_view kSchoolWords[] = {"abjurer",     "conjurer",    "diviner",
                                             "enchanter",   "illusionist", "invoker",
                                             "necromancer", "transmuter"};

}  // namespace

std::optional<int> parseRace(std::string_view word) {
    return indexOf(kRaceWords, word);
}

std::optional<std::pair<int, int>> parseAlignment(std::string_view word) {
    const std::string w = lower(word);
    if (w == "n" || w == "tn")
        return std::pair{1, 1};
    if (w.size() != 2)
        return std::nullopt;
    const std::string_view lawChaos = "lnc";
    const std::string_view goodEvil = "gne";
    const auto lc = lawChaos.find(w[0]);
    const auto ge = goodEvil.find(w[1]);
    if (lc == std::string_view::npos || ge == std::string_view::npos)
        return std::nullopt;
    if (lc == 1 && ge == 1)
        return std::nullopt;  // "NN" is written N or TN
    return std::pair{static_cast<int>(lc), static_cast<int>(ge)};
}

std::optional<int> parseGender(std::string_view word) {
    return indexOf(kGenderWords, word);
}

std::optional<int> parseLevels(std::string_view word) {
    return indexOf(kLevelWords, word);
}

std::optional<int> parseDice(std::string_view word) {
    return indexOf(kDiceWords, word);
}

std::optional<std::uint32_t> parseTime(std::string_view text) {
    // HH:MM:SS with an optional .mmm
    if (text.size() != 8 && text.size() != 12)
        return std::nullopt;
    if (text[2] != ':' || text[5] != ':' || (text.size() == 12 && text[8] != '.')) {
        return std::nullopt;
    }
    const auto h = digits(text.substr(0, 2));
    const auto m = digits(text.substr(3, 2));
    const auto s = digits(text.substr(6, 2));
    const auto ms = text.size() == 12 ? digits(text.substr(9, 3)) : std::optional<std::uint64_t>{0};
    if (!h || !m || !s || !ms || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    return static_cast<std::uint32_t>(((*h * 60 + *m) * 60 + *s) * 1000 + *ms);
}

std::optional<std::uint32_t> parseSeed(std::string_view text) {
    const auto v = digits(text);
    if (!v || *v > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(*v);
}

std::optional<int> parseCount(std::string_view text, int maximum) {
    const auto v = digits(text);
    if (!v || *v == 0 || *v > static_cast<std::uint64_t>(maximum))
        return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<OutputFormat> parseFormat(std::string_view word) {
    if (word == "text")
        return OutputFormat::Text;
    if (word == "json")
        return OutputFormat::Json;
    if (word == "html")
        return OutputFormat::Html;
    return std::nullopt;
}

std::optional<std::string> applyClassList(std::string_view list, CharacterOptions& o) {
    bool any = false;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view word = trim(list.substr(start, comma - start));
        start = comma + 1;
        if (word.empty()) {
            return std::string("empty class name in the list");
        }
        if (const auto c = indexOf(kClassWords, word)) {
            bool* flags[] = {&o.fighter, &o.ranger, &o.paladin, &o.mage,
                             &o.cleric,  &o.druid,  &o.thief,   &o.bard};
            *flags[*c] = true;
        } else if (const auto s = indexOf(kSchoolWords, word)) {
            if (o.specialist && o.school != *s) {
                return std::string("at most one specialist school may be given");
            }
            o.specialist = true;
            o.school = *s;
        } else {
            return "unknown class '" + std::string(word) + "'";
        }
        any = true;
    }
    if (!any)
        return std::string("no class given");
    return std::nullopt;
}

std::string formatTime(std::uint32_t ms) {
    ms %= kMillisecondsPerDay;
    char buffer[16];
    const auto part = [](char* at, std::uint32_t value, int width) {
        for (int i = width - 1; i >= 0; --i) {
            at[i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
    };
    part(buffer, ms / 3'600'000, 2);
    buffer[2] = ':';
    part(buffer + 3, ms / 60'000 % 60, 2);
    buffer[5] = ':';
    part(buffer + 6, ms / 1000 % 60, 2);
    buffer[8] = '.';
    part(buffer + 9, ms % 1000, 3);
    return std::string(buffer, 12);
}

std::string classWords(const AllowedChoice& choice) {
    CharacterOptions o;
    setClassFlags(o, choice.classes);
    const bool flags[] = {o.fighter, o.ranger, o.paladin, o.mage,
                          o.cleric,  o.druid,  o.thief,   o.bard};
    std::string out;
    for (int i = 0; i < 8; ++i) {
        if (flags[i]) {
            if (!out.empty())
                out += ',';
            out += kClassWords[i];
        }
    }
    if (choice.school && *choice.school >= 0 && *choice.school < kSchoolCount) {
        if (!out.empty())
            out += ',';
        out += kSchoolWords[*choice.school];
    }
    return out;
}

std::string alignmentWord(int lawChaos, int goodEvil) {
    if (lawChaos == 1 && goodEvil == 1)
        return "N";
    std::string w;
    w += "LNC"[lawChaos % 3];
    w += "GNE"[goodEvil % 3];
    return w;
}

}  // namespace tavrel::cli
