#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <string>

#include "character.h"
#include "characteroptions.h"
#include "driverstate.h"
#include "edits.h"

namespace tavrel {

// What the results window had selected when it left a character: the rows of its two lists,
// the items of the five proficiency drop-downs and the text of each class weapon box.
struct Selections {
    int weaponRow = -1;
    int nonWeaponRow = -1;
    std::array<int, 5> groupChoice{};
    std::array<std::string, 5> weaponChoice;

    bool operator==(const Selections&) const = default;
};

// One character as the window left it, with its own edits to undo and redo.
struct HistoryEntry {
    CharacterOptions options;
    Character character;
    DriverState state;
    Selections selections;
    EditList edits;
};

// Every character the results window has shown during the run, in the order they first
// appeared, and which of them is shown. The shown character lives in the generator while it is
// shown; its entry is brought up to date whenever the window leaves it, so edits made to a past
// character stay with it. Moving through the list never drops anything; only when more than
// `capacity` characters have been shown are the oldest forgotten, so memory stays bounded.
class CharacterHistory {
public:
    static constexpr std::size_t kDefaultCapacity = 1000;

    explicit CharacterHistory(std::size_t capacity = kDefaultCapacity);

    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    std::size_t current() const { return m_current; }
    bool hasPrevious() const { return m_current > 0; }
    bool hasNext() const { return m_current + 1 < m_entries.size(); }

    // A new character replaces the shown one (`shown`, ignored when nothing was shown yet): the
    // shown one keeps its entry, and the new one becomes the last entry and the current one.
    void appendNew(HistoryEntry shown);

    // Keeps `shown` in the current entry and moves one step; returns the entry to show, or
    // nullptr (and changes nothing) at either end.
    const HistoryEntry* previous(HistoryEntry shown);
    const HistoryEntry* next(HistoryEntry shown);

private:
    const HistoryEntry* step(HistoryEntry&& shown, std::size_t to);

    std::size_t m_capacity;
    std::deque<HistoryEntry> m_entries;
    std::size_t m_current = 0;
};

}  // namespace tavrel
