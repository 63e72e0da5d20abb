#include "filename.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tavrel {

namespace {

constexpr std::size_t kMaxStemBytes = 64;  // well inside every file system's limit of 255

// One UTF-8 code point at `at`, advancing it; malformed bytes are skipped one at a time and give
// no code point (0).
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || at + static_cast<std::size_t>(length - 1) > text.size()) {
        return 0;
    }
    char32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (next & 0x3F);
        ++at;
    }
    return c;
}

// Letters and digits, and the hyphen, underscore and apostrophe that names carry: nothing a file
// system reserves (/ \ : * ? " < > |), no blank or control character, no dot (a leading one hides
// the file, and the extension comes after). Beyond ASCII only the accented Latin letters, which
// a typed name may hold; other scripts' letters are safe too, but telling them from symbols and
// invisible marks would need the whole Unicode table.
bool safeInFileName(char32_t c) {
    if (c < 0x80) {
        return std::isalnum(static_cast<int>(c)) || c == '-' || c == '_' || c == '\'';
    }
    return c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7;
}

bool startsAWord(char32_t c) {
    return c >= 0x80 || std::isalnum(static_cast<int>(c));
}

// Only code points below U+0800 pass safeInFileName, which UTF-8 writes in one or two bytes.
void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Names a file may not have on some systems whatever its extension ("con.htm").
bool reservedDeviceName(std::string_view stem) {
    constexpr std::array<std::string_view, 4> kDevices{"con", "prn", "aux", "nul"};
    std::string lower(stem);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (std::find(kDevices.begin(), kDevices.end(), lower) != kDevices.end()) {
        return true;
    }
    return lower.size() == 4 && (lower.starts_with("com") || lower.starts_with("lpt")) &&
           lower[3] >= '1' && lower[3] <= '9';
}

}  // namespace

std::string characterFileStem(std::string_view name) {
    // The first name ends at the first blank or comma ("Doradrum, the first son of..."); a word
    // that leaves nothing usable (a lone quote, say) is passed over.
    std::string stem;
    std::size_t at = 0;
    while (at < name.size()) {
        const char32_t c = nextCodePoint(name, at);
        if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
            if (!stem.empty()) {
                break;
            }
            continue;
        }
        // A stem starts with a letter or a digit: a leading hyphen reads as an option in a
        // shell, and a leading apostrophe as a quote.
        if (!safeInFileName(c) || (stem.empty() && !startsAWord(c))) {
            continue;
        }
        const std::size_t before = stem.size();
        appendUtf8(stem, c);
        if (stem.size() > kMaxStemBytes) {
            stem.resize(before);
            break;
        }
    }
    // A trailing apostrophe, hyphen or underscore is a name's punctuation, not part of it.
    while (!stem.empty() && (stem.back() == '\'' || stem.back() == '-' || stem.back() == '_')) {
        stem.pop_back();
    }
    if (stem.empty()) {
        return "character";
    }
    if (reservedDeviceName(stem)) {
        stem += '_';
    }
    return stem;
}

}  // namespace tavrel
