#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// Whether `text` is an entry of `list`, byte for byte. The proficiency lists hold a handful of
// entries and are searched several times on every fill tick; comparing the length and the first
// byte settles nearly every entry that differs without calling memcmp.
inline bool isListed(const std::vector<std::string>& list, std::string_view text) {
    for (const std::string& entry : list) {
        if (entry.size() == text.size() &&
            (text.empty() ||
             (entry[0] == text[0] && std::memcmp(entry.data(), text.data(), text.size()) == 0))) {
            return true;
        }
    }
    return false;
}

}  // namespace tavrel
