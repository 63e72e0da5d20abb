#include "linkwords.h"

#include <algorithm>
#include <utility>
#include <variant>
#include <vector>

#include "cliargs.h"
#include "request.h"

namespace tavrel::words {

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

bool linkCarries(const CharacterOptions& options) {
    // The query as the page splits it; no value holds '&' or '=' (see linkQuery).
    const std::string query = linkQuery(options, {});
    std::vector<std::pair<std::string, std::string>> words;
    for (std::size_t start = 0; start <= query.size();) {
        const std::size_t end = std::min(query.find('&', start), query.size());
        const std::string word = query.substr(start, end - start);
        const std::size_t equals = word.find('=');
        words.emplace_back(word.substr(0, equals), word.substr(equals + 1));
        start = end + 1;
    }
    const auto read = readRequest(words, FrontEnd::Link);
    const auto* request = std::get_if<Request>(&read);
    return request && request->options == options;
}

std::string characterLink(std::string_view base, const CharacterOptions& options,
                          const VirtualSchedule::Start& start) {
    if (base.empty())
        return {};
    return std::string(base) + "?" + linkQuery(options, start);
}

std::string partyLink(std::string_view base, const CharacterOptions& options,
                      const VirtualSchedule::Start& first, int count) {
    if (base.empty())
        return {};
    return characterLink(base, options, first) + "&count=" + std::to_string(count);
}

}  // namespace tavrel::words
