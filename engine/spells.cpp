#include "spells.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "numbertext.h"

namespace tavrel {

namespace {

constexpr std::size_t kMaxLevel = 15;
constexpr std::size_t kWizardSpellLevels = 9;
constexpr std::size_t kPriestSpellLevels = 7;

template <std::size_t N>
using Slots = std::array<std::int8_t, N>;

// One row per character level 1..15; a 0 cell is empty. Rows are as wide as the table's
// highest spell level.
template <std::size_t Columns>
using Table = std::array<std::array<std::int8_t, Columns>, kMaxLevel>;

bool inTable(int level) {
    return level >= 1 && level <= static_cast<int>(kMaxLevel);
}

// Wizard slots for spell levels 1st..7th. From the 4th level on a column is filled only when
// intelligence reaches its bound (9, 10, 12 and 14); the first three have none.
constexpr Table<7> kWizardTable{{
    {1, 0, 0, 0, 0, 0, 0},
    {2, 0, 0, 0, 0, 0, 0},
    {2, 1, 0, 0, 0, 0, 0},
    {3, 2, 0, 0, 0, 0, 0},
    {4, 2, 1, 0, 0, 0, 0},
    {4, 2, 2, 0, 0, 0, 0},
    {4, 3, 2, 1, 0, 0, 0},
    {4, 3, 3, 2, 0, 0, 0},
    {4, 3, 3, 2, 1, 0, 0},
    {4, 4, 3, 2, 2, 0, 0},
    {4, 4, 4, 3, 2, 0, 0},
    {4, 4, 4, 4, 4, 1, 0},
    {5, 5, 5, 4, 4, 2, 0},
    {5, 5, 5, 4, 4, 2, 1},
    {5, 5, 5, 5, 4, 2, 1},
}};
constexpr std::array<int, 7> kWizardIntelligenceBound{0, 0, 0, 9, 10, 12, 14};

// The bard's wizard slots, 1st..5th, written over whatever the wizard table gave.
constexpr Table<5> kBardTable{{
    {0, 0, 0, 0, 0},
    {1, 0, 0, 0, 0},
    {2, 0, 0, 0, 0},
    {2, 1, 0, 0, 0},
    {3, 1, 0, 0, 0},
    {3, 2, 0, 0, 0},
    {3, 2, 1, 0, 0},
    {3, 3, 1, 0, 0},
    {3, 3, 2, 0, 0},
    {3, 3, 2, 1, 0},
    {3, 3, 3, 1, 0},
    {3, 3, 3, 2, 0},
    {3, 3, 3, 2, 1},
    {3, 3, 3, 3, 1},
    {3, 3, 3, 3, 2},
}};

// Priest slots, 1st..7th: the 6th level needs wisdom 17, the 7th wisdom 18.
constexpr Table<7> kPriestTable{{
    {1, 0, 0, 0, 0, 0, 0},
    {2, 0, 0, 0, 0, 0, 0},
    {2, 1, 0, 0, 0, 0, 0},
    {3, 2, 0, 0, 0, 0, 0},
    {3, 3, 1, 0, 0, 0, 0},
    {3, 3, 2, 0, 0, 0, 0},
    {3, 3, 2, 1, 0, 0, 0},
    {3, 3, 2, 2, 0, 0, 0},
    {4, 4, 2, 2, 1, 0, 0},
    {4, 4, 2, 3, 2, 0, 0},
    {5, 4, 4, 3, 2, 1, 0},
    {6, 5, 5, 3, 2, 2, 0},
    {6, 6, 6, 4, 2, 2, 0},
    {6, 6, 6, 5, 3, 2, 1},
    {6, 6, 6, 6, 4, 2, 1},
}};
constexpr std::array<int, 7> kPriestWisdomBound{0, 0, 0, 0, 0, 17, 18};

// Wisdom bonus spells, tested in this order against the slots as they stand at that moment.
// Those past the 1st spell level add only to a slot the character already has.
struct WisdomBonus {
    int wisdom;
    int spellLevel;  // 1-based
};
constexpr std::array<WisdomBonus, 6> kWisdomBonuses{
    {{13, 1}, {14, 1}, {15, 2}, {16, 2}, {17, 3}, {18, 4}}};

// Paladin (1st..4th) and ranger (1st..3rd) priest slots, written over the priest slots.
constexpr Table<4> kPaladinTable{{
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {1, 0, 0, 0},
    {2, 0, 0, 0},
    {2, 1, 0, 0},
    {2, 2, 0, 0},
    {2, 2, 1, 0},
    {3, 2, 1, 0},
    {3, 2, 1, 1},
}};
constexpr Table<3> kRangerTable{{
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {1, 0, 0},
    {2, 0, 0},
    {2, 1, 0},
    {2, 2, 0},
    {2, 2, 1},
    {3, 2, 1},
    {3, 3, 1},
    {3, 3, 2},
}};

// Copies a table's row where its cells are filled and the score reaches the column's bound.
template <std::size_t N, std::size_t Columns>
void fillFrom(Slots<N>& slots, const Table<Columns>& table, int level,
              const std::array<int, Columns>& bound, int score) {
    static_assert(Columns <= N);
    const auto& row = table[static_cast<std::size_t>(level - 1)];
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (score >= bound[i]) {
            slots[i] = row[i];
        }
    }
}

// Writes a table's filled cells over the slots, leaving the cells it leaves empty alone.
template <std::size_t N, std::size_t Columns>
void writeOver(Slots<N>& slots, const Table<Columns>& table, int level) {
    static_assert(Columns <= N);
    const auto& row = table[static_cast<std::size_t>(level - 1)];
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] != 0) {
            slots[i] = row[i];
        }
    }
}

template <std::size_t N>
void appendSlots(std::string& line, const Slots<N>& slots, std::string_view start,
                 std::string_view none) {
    for (const std::int8_t count : slots) {
        if (count != 0) {
            appendNumber(line, count);
            line += '/';
        }
    }
    if (line == start) {
        line += none;
    }
}

}  // namespace

void wizspell(const CharacterOptions& o, Character& c) {
    Slots<kWizardSpellLevels> slots{};
    const int level = c.level;
    if (inTable(level)) {
        if (o.mage || o.specialist) {
            fillFrom(slots, kWizardTable, level, kWizardIntelligenceBound, c.abilityScore[INT]);
            if (o.specialist) {
                for (std::int8_t& s : slots) {
                    if (s != 0) {
                        s = toCounter(s + 1);
                    }
                }
            }
        }
        if (o.bard) {
            writeOver(slots, kBardTable, level);
        }
    }
    appendSlots(c.wizardSpellsLine, slots, "Wizard Spells: ", " No Wizard Spells");
}

void prspell(const CharacterOptions& o, Character& c) {
    Slots<kPriestSpellLevels> slots{};
    const int level = c.level;
    if (inTable(level)) {
        if (o.cleric || o.druid) {
            const int wisdom = c.abilityScore[WIS];
            fillFrom(slots, kPriestTable, level, kPriestWisdomBound, wisdom);
            for (const WisdomBonus& bonus : kWisdomBonuses) {
                std::int8_t& slot = slots[static_cast<std::size_t>(bonus.spellLevel - 1)];
                if (wisdom >= bonus.wisdom && (bonus.spellLevel == 1 || slot != 0)) {
                    slot = toCounter(slot + 1);
                }
            }
        }
        if (o.paladin) {
            writeOver(slots, kPaladinTable, level);
        }
        if (o.ranger) {
            writeOver(slots, kRangerTable, level);
        }
    }
    appendSlots(c.priestSpellsLine, slots, "Priest Spells: ", " No Priest Spells");
}

}  // namespace tavrel
