#include "cliargs.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>

namespace tavrel::words {

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

// The classes --class names, in the order classWords lists them; a specialist is named by its
// school instead.
struct ClassWord {
    std::string_view word;
    ClassBox box;
};
constexpr ClassWord kClassWords[] = {{"fighter", ClassBox::Fighter}, {"ranger", ClassBox::Ranger},
                                     {"paladin", ClassBox::Paladin}, {"mage", ClassBox::Mage},
                                     {"cleric", ClassBox::Cleric},   {"druid", ClassBox::Druid},
                                     {"thief", ClassBox::Thief},     {"bard", ClassBox::Bard}};
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
    if (word == "csv")
        return OutputFormat::Csv;
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
        const std::string w = lower(word);
        const auto c = std::find_if(std::begin(kClassWords), std::end(kClassWords),
                                    [&w](const ClassWord& cw) { return cw.word == w; });
        if (c != std::end(kClassWords)) {
            classFlag(o, c->box) = true;
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

std::string classWords(const AllowedChoice& choice) {
    std::string out;
    for (const ClassWord& c : kClassWords) {
        if (choice.classes & bitOf(c.box)) {
            if (!out.empty())
                out += ',';
            out += c.word;
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

}  // namespace tavrel::words
