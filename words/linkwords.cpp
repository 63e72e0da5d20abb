#include "linkwords.h"

#include "cliargs.h"

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

std::string characterLink(std::string_view base, const CharacterOptions& options,
                          const VirtualSchedule::Start& start) {
    if (base.empty())
        return {};
    return std::string(base) + "?" + linkQuery(options, start);
}

}  // namespace tavrel::words
