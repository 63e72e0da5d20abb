#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "characterlines.h"

namespace tavrel {
namespace {

SavedCharacter member(int level, const char* name) {
    SavedCharacter saved;
    saved.character.level = level;
    saved.character.name = name;
    saved.origin = CharacterOrigin{5, 1000};
    return saved;
}

// What a file of characters gives: each character, with the bytes the page keeps of it, or the
// fault that ends the reading.
struct Split {
    std::vector<std::string> texts;
    std::vector<SavedCharacter> characters;
    std::optional<std::string> fault;
};

Split split(const std::string& bytes) {
    Split s;
    s.fault = readCharacterLines(bytes, [&s](std::string_view text, const SavedCharacter& saved) {
        s.texts.emplace_back(text);
        s.characters.push_back(saved);
    });
    return s;
}

// The page opens a file held in memory as `tavrel-cli sheet` streams one; these are the layouts
// an editor or another system leaves, with the message each fault gets.
TEST(CharacterLines, SplitsAFileIntoCharactersAsTheSheetCommandDoes) {
    const SavedCharacter a = member(1, "Ama");
    const SavedCharacter b = member(2, "Bel");
    const std::string lineA = characterJson(a);
    const std::string lineB = characterJson(b);

    // One object over several lines, with Windows line ends, is one character, kept whole.
    const std::string pretty = "{\r\n  " + lineA.substr(1, lineA.size() - 2) + "\r\n}\r\n";
    const Split one = split(pretty);
    EXPECT_EQ(one.fault, std::nullopt);
    EXPECT_EQ(one.texts, std::vector<std::string>{pretty});
    EXPECT_EQ(one.characters, std::vector<SavedCharacter>{a});

    // Otherwise a character a line; blank lines, Windows line ends among them, are passed over.
    const Split two = split(lineA + "\r\n\r\n \t\r\n" + lineB + "\r\n");
    EXPECT_EQ(two.fault, std::nullopt);
    EXPECT_EQ(two.texts, (std::vector<std::string>{lineA + "\r", lineB + "\r"}));
    EXPECT_EQ(two.characters, (std::vector<SavedCharacter>{a, b}));

    // A fault names its line, blank lines counted; the lines before it have been handed over.
    const Split bad = split(lineA + "\n\ngarbage\n" + lineB + "\n");
    EXPECT_EQ(bad.fault, "line 3: not a character file: reading stopped at line 1, byte 1");
    EXPECT_EQ(bad.characters, std::vector<SavedCharacter>{a});

    // A file with one line between blank ones is one object, and its fault is the object's.
    EXPECT_EQ(split("\r\n  garbage \r\n\r\n").fault,
              "not a character file: reading stopped at line 2, byte 3");
    EXPECT_EQ(split(" \r\n\r\n").fault, "not a character file: reading stopped at line 3, byte 1");

    // A file held in memory is refused whole past the limit, not at the line the limit cut.
    const auto padded = [](const std::string& line, std::size_t size) {
        return "{" + std::string(size - line.size(), ' ') + line.substr(1);
    };
    EXPECT_EQ(split(lineA + "\n" + padded(lineB, kCharacterFileLimit - lineA.size() - 1)).fault,
              std::nullopt);
    EXPECT_EQ(split(lineA + "\n" + padded(lineB, kCharacterFileLimit - lineA.size())).fault,
              "the file is larger than 1 MiB");

    // A streamed file's line may be as long as a file, its line end apart; one byte more is
    // refused as a line.
    CharacterLineReader lines;
    EXPECT_TRUE(lines.read(lineA + "\n")->character);
    EXPECT_TRUE(lines.read(padded(lineB, kCharacterFileLimit) + "\n")->character);
    EXPECT_EQ(lines.read(padded(lineA, kCharacterFileLimit + 1))->error,
              "line 3: the line is larger than 1 MiB");
}

}  // namespace
}  // namespace tavrel
