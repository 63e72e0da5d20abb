// The one reader of a request on arbitrary words, as a link's query delivers them (name=value
// pairs split at '&' and the first '='): it never crashes, and the command line and the link get
// the same verdict for the same words. An accepted request is the same request in both; a
// refused one names the same word, and the command line's message is the link's with the word
// spelled as an option, so the two front ends can never drift apart again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "request.h"

namespace {

using tavrel::words::FrontEnd;
using tavrel::words::Request;
using tavrel::words::RequestError;

std::vector<std::pair<std::string, std::string>> pairsOf(std::string_view query) {
    std::vector<std::pair<std::string, std::string>> pairs;
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view word = query.substr(0, amp);
        const std::size_t eq = word.find('=');
        pairs.emplace_back(std::string(word.substr(0, eq)), eq == std::string_view::npos
                                                                ? std::string()
                                                                : std::string(word.substr(eq + 1)));
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    }
    return pairs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto pairs = pairsOf({reinterpret_cast<const char*>(data), size});
    // A party's count has its own range in each front end (a link holds at most 12 characters),
    // so it is read by both without a crash but left out of the comparison.
    for (const auto frontEnd : {FrontEnd::Link, FrontEnd::CommandLine}) {
        (void)tavrel::words::readRequest(pairs, frontEnd);
    }
    std::erase_if(pairs, [](const auto& pair) { return pair.first == "count"; });
    for (const auto asking :
         {tavrel::words::Asking::Characters, tavrel::words::Asking::ClassSets}) {
        const auto link = tavrel::words::readRequest(pairs, FrontEnd::Link, asking);
        const auto line = tavrel::words::readRequest(pairs, FrontEnd::CommandLine, asking);
        if (link.index() != line.index())
            std::abort();
        if (const auto* a = std::get_if<Request>(&link)) {
            const auto& b = std::get<Request>(line);
            if (!(a->options == b.options) || a->seed != b.seed || a->time != b.time)
                std::abort();
            continue;
        }
        const auto& a = std::get<RequestError>(link);
        const auto& b = std::get<RequestError>(line);
        if (a.word != b.word || a.refused.has_value() != b.refused.has_value())
            std::abort();
        // An unknown word reaches only a link (the command line's parser refuses it first), lift
        // is a switch of its own on the command line, and a missing class is shown by an example
        // in each front end's own spelling.
        const bool spelledAlike = tavrel::words::isRequestWord(a.word) && a.word != "lift" &&
                                  a.message.find("(for example") == std::string::npos;
        if (spelledAlike && b.message != "--" + a.message)
            std::abort();
    }
    return 0;
}
