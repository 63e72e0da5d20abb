#include <gtest/gtest.h>

#include <string>

#include "characterhistory.h"

namespace tavrel {
namespace {

// An entry told apart by its name alone.
HistoryEntry named(const std::string& name) {
    HistoryEntry e;
    e.character.name = name;
    return e;
}

// Three characters shown one after another (the last is still in the generator), then walked.
TEST(CharacterHistory, KeepsOrderAndTheEditsOfALeftCharacter) {
    CharacterHistory h;
    h.appendNew({});
    h.appendNew(named("A"));
    h.appendNew(named("B"));
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h.current(), 2u);
    EXPECT_FALSE(h.hasNext());

    // Leaving C keeps it; B comes back as it was left, then A.
    EXPECT_EQ(h.previous(named("C"))->character.name, "B");
    EXPECT_EQ(h.previous(named("B edited"))->character.name, "A");
    EXPECT_EQ(h.previous(named("A")), nullptr);
    EXPECT_EQ(h.current(), 0u);
    EXPECT_EQ(h.next(named("A"))->character.name, "B edited");
    EXPECT_EQ(h.next(named("B edited"))->character.name, "C");
    EXPECT_EQ(h.next(named("C")), nullptr);
}

// A reroll made on an earlier character is added at the end, after everything: stepping back
// never loses the characters that came after.
TEST(CharacterHistory, NewCharacterAfterSteppingBackGoesAtTheEnd) {
    CharacterHistory h;
    h.appendNew({});
    h.appendNew(named("A"));
    h.appendNew(named("B"));
    h.previous(named("C"));
    h.previous(named("B"));  // now on A
    h.appendNew(named("A"));
    EXPECT_EQ(h.size(), 4u);
    EXPECT_EQ(h.current(), 3u);
    EXPECT_EQ(h.previous(named("D"))->character.name, "C");
    EXPECT_EQ(h.previous(named("C"))->character.name, "B");
}

// Past the cap the oldest are forgotten, and the shown one stays the newest.
TEST(CharacterHistory, ForgetsTheOldestPastItsCapacity) {
    CharacterHistory h(3);
    h.appendNew({});
    for (const char* name : {"A", "B", "C", "D"}) {
        h.appendNew(named(name));
    }
    EXPECT_EQ(h.size(), 3u);
    EXPECT_EQ(h.current(), 2u);
    EXPECT_EQ(h.previous(named("E"))->character.name, "D");
    EXPECT_EQ(h.previous(named("D"))->character.name, "C");
    EXPECT_FALSE(h.hasPrevious());
    // A capacity below two would leave nothing to step back to: two are kept at least.
    CharacterHistory tiny(0);
    tiny.appendNew({});
    tiny.appendNew(named("A"));
    tiny.appendNew(named("B"));
    EXPECT_EQ(tiny.size(), 2u);
    EXPECT_EQ(tiny.previous(named("C"))->character.name, "B");
}

}  // namespace
}  // namespace tavrel
