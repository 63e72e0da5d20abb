// The sheet writer on arbitrary names and list entries: the page keeps CR LF line ends only,
// user text never adds markup, and decoding the written text gives the typed text back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "sheet.h"

namespace {

// Strict UTF-8 decoding; false for malformed input.
bool decodeUtf8(std::string_view s, std::u32string& out) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        int len = b0 < 0x80         ? 1
                  : (b0 >> 5) == 6  ? 2
                  : (b0 >> 4) == 14 ? 3
                  : (b0 >> 3) == 30 ? 4
                                    : 0;
        if (len == 0 || i + static_cast<std::size_t>(len) > s.size())
            return false;
        char32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (int k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((b >> 6) != 2)
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        out.push_back(cp);
        i += static_cast<std::size_t>(len);
    }
    return true;
}

// Reads the written bytes back as ISO 8859-1 text with entities and character references.
std::u32string decodeSheetText(std::string_view bytes) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        if (bytes[i] != '&') {
            out.push_back(static_cast<unsigned char>(bytes[i]));
            ++i;
            continue;
        }
        const std::size_t end = bytes.find(';', i);
        if (end == std::string_view::npos)
            std::abort();
        const std::string_view entity = bytes.substr(i + 1, end - i - 1);
        if (entity == "amp")
            out.push_back(U'&');
        else if (entity == "lt")
            out.push_back(U'<');
        else if (entity == "gt")
            out.push_back(U'>');
        else if (entity == "quot")
            out.push_back(U'"');
        else if (entity.size() > 1 && entity[0] == '#') {
            char32_t cp = 0;
            for (char d : entity.substr(1)) {
                if (d < '0' || d > '9')
                    std::abort();
                cp = cp * 10 + static_cast<char32_t>(d - '0');
            }
            out.push_back(cp);
        } else {
            std::abort();  // an entity the writer never produces
        }
        i = end + 1;
    }
    return out;
}

std::u32string normaliseLineBreaks(const std::u32string& s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == U'\r') {
            if (i + 1 < s.size() && s[i + 1] == U'\n')
                ++i;
            out += U"\r\n";
        } else if (s[i] == U'\n') {
            out += U"\r\n";
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

std::size_t count(const std::string& s, char c) {
    std::size_t n = 0;
    for (char ch : s)
        n += ch == c;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    // Round trip of one value.
    const std::string written = tavrel::sheetText(input);
    std::u32string typed;
    if (decodeUtf8(input, typed)) {
        for (char c : written) {
            if (c == '<' || c == '>')
                std::abort();
        }
        if (decodeSheetText(written) != normaliseLineBreaks(typed))
            std::abort();
    }

    // A whole page with the input as name and list entries (split at NUL bytes).
    tavrel::Character c;
    tavrel::Character plain;
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = input.find('\0'); at != std::string::npos; at = input.find('\0', start)) {
        parts.push_back(input.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(input.substr(start));
    c.name = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        (i % 2 ? c.weapons : c.nonWeapons).push_back(parts[i]);
        (i % 2 ? plain.weapons : plain.nonWeapons).push_back("");
    }
    const std::string page = tavrel::characterSheet(c);
    const std::string base = tavrel::characterSheet(plain);
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\n' && (i == 0 || page[i - 1] != '\r'))
            std::abort();
        if (page[i] == '\r' && (i + 1 == page.size() || page[i + 1] != '\n'))
            std::abort();
    }
    // A double quote is written as it is: in element text it cannot open or close markup.
    for (char markup : {'<', '>'}) {
        if (count(page, markup) != count(base, markup))
            std::abort();
    }
    return 0;
}
