#include "characterlines.h"

#include <algorithm>

namespace tavrel {

namespace {

// What a line holds besides its object, as the JSON reader skips it and an editor leaves it.
constexpr std::string_view kBlanks = " \t\r\n\v\f";

bool isBlank(std::string_view text) {
    return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

// Whether a line break stands between the first and the last byte that is not blank.
bool spansLines(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return false;
    return text.find('\n', first) < text.find_last_not_of(kBlanks);
}

}  // namespace

std::optional<CharacterReadResult> readCharacterFileAsOne(std::string_view head, bool whole) {
    if (!whole)
        return std::nullopt;
    CharacterReadResult read = readCharacterJson(head);
    if (read.character || !spansLines(head))
        return read;
    return std::nullopt;
}

std::optional<CharacterReadResult> CharacterLineReader::read(std::string_view line) {
    const int number = ++m_number;
    const auto faulted = [number](const std::string& fault) {
        return CharacterReadResult{std::nullopt, "line " + std::to_string(number) + ": " + fault};
    };
    if (line.ends_with('\n'))
        line.remove_suffix(1);
    if (line.size() > kCharacterFileLimit)
        return faulted("the line is larger than 1 MiB");
    if (isBlank(line))
        return std::nullopt;
    CharacterReadResult read = readCharacterJson(line);
    if (!read.character)
        return faulted(read.error);
    return read;
}

std::optional<std::string> readCharacterLines(
    std::string_view bytes,
    const std::function<void(std::string_view text, const SavedCharacter&)>& each) {
    // The character reader's own refusal of a file past the limit.
    if (bytes.size() > kCharacterFileLimit)
        return readCharacterJson(bytes).error;
    if (const std::optional<CharacterReadResult> one = readCharacterFileAsOne(bytes, true)) {
        if (!one->character)
            return one->error;
        each(bytes, *one->character);
        return std::nullopt;
    }
    CharacterLineReader lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (const std::optional<CharacterReadResult> read = lines.read(line)) {
            if (!read->character)
                return read->error;
            each(line, *read->character);
        }
    }
    return std::nullopt;
}

}  // namespace tavrel
