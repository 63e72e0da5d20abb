#include "nonweapons.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <string>

#include "textlist.h"

namespace tavrel {

namespace {

constexpr std::string_view kGeneral[] = {"",
                                         "Mining",
                                         "Riding, Airborne",
                                         "Agriculture",
                                         "Animal Handling",
                                         "Animal Training",
                                         "Artistic Ability",
                                         "Blacksmithing",
                                         "Brewing",
                                         "Carpentry",
                                         "Cobbling",
                                         "Cooking",
                                         "Dancing",
                                         "Direction Sense",
                                         "Etiquette",
                                         "Fire-building",
                                         "Fishing",
                                         "Heraldry",
                                         "Languages, Modern",
                                         "Leatherworking",
                                         "Pottery",
                                         "Riding, Land-based",
                                         "Rope Use",
                                         "Seamanship",
                                         "Seamstress/Tailor",
                                         "Singing",
                                         "Stonemasonry",
                                         "Swimming",
                                         "Weather Sense",
                                         "Weaving"};
static_assert(std::size(kGeneral) == 1 + 29);

constexpr std::string_view kPriest[] = {"",
                                        "Ancient History",
                                        "Astrology",
                                        "Engineering",
                                        "Healing",
                                        "Herbalism",
                                        "Languages, Ancient",
                                        "Local History",
                                        "Musical Instrument",
                                        "Navigation",
                                        "Reading/Writing",
                                        "Religion",
                                        "Spellcraft"};
static_assert(std::size(kPriest) == 1 + 12);

constexpr std::string_view kRogue[] = {"",
                                       "Ancient History",
                                       "Appraising",
                                       "Blind-fighting",
                                       "Disguise",
                                       "Forgery",
                                       "Gaming",
                                       "Gem Cutting",
                                       "Juggling ",
                                       "Jumping",
                                       "Local History",
                                       "Musical Instrument",
                                       "Reading Lips",
                                       "Set Snares",
                                       "Tightrope Walking",
                                       "Tumbling",
                                       "Ventriloquism"};
static_assert(std::size(kRogue) == 1 + 16);

constexpr std::string_view kWarrior[] = {
    "",           "Animal Lore", "Armorer",  "Blind-fighting ", "Bowyer/Fletcher", "Charioteering",
    "Endurance",  "Gaming",      "Hunting",  "Mountaineering",  "Navigation",      "Running",
    "Set Snares", "Survival",    "Tracking", "Weaponsmithing"};
static_assert(std::size(kWarrior) == 1 + 15);

constexpr std::string_view kWizard[] = {
    "",          "Ancient History",    "Astrology",  "Engineering",      "Gem Cutting",
    "Herbalism", "Languages, Ancient", "Navigation", "Reading/ Writing", "Religion",
    "Spellcraft"};
static_assert(std::size(kWizard) == 1 + 10);

// Costs fall in bands of positions: each band runs up to and including `lastPosition`.
struct CostBand {
    int lastPosition;
    int cost;
};
constexpr CostBand kGeneralCosts[] = {{2, 2}, {29, 1}};
constexpr CostBand kRogueCosts[] = {{3, 2}, {16, 1}};
constexpr CostBand kWarriorCosts[] = {{1, 3}, {5, 2}, {15, 1}};
constexpr CostBand kWizardCosts[] = {{4, 2}, {10, 1}};

// A group list with the cost of each position worked out once from its bands: the fill makes
// several draws on every tick, and each finds its cost by index instead of walking the bands.
constexpr std::size_t kLongestGroup = std::size(kGeneral);

struct GroupTable {
    std::span<const std::string_view> entries;
    std::array<std::int8_t, kLongestGroup> cost{};  // by position; 0 for the blank entry
};

constexpr GroupTable groupTable(std::span<const std::string_view> entries,
                                std::span<const CostBand> bands) {
    GroupTable table{entries, {}};
    for (std::size_t position = 1; position < entries.size(); ++position) {
        for (const CostBand& band : bands) {
            if (static_cast<int>(position) <= band.lastPosition) {
                table.cost[position] = static_cast<std::int8_t>(band.cost);
                break;
            }
        }
    }
    return table;
}

// In the order of NonWeaponGroup. The Priest list has no bands: the fill never draws from it.
constexpr std::array<GroupTable, 5> kGroupTables{
    groupTable(kGeneral, kGeneralCosts), groupTable(kPriest, {}), groupTable(kRogue, kRogueCosts),
    groupTable(kWarrior, kWarriorCosts), groupTable(kWizard, kWizardCosts)};
static_assert(kGroupTables[static_cast<std::size_t>(NonWeaponGroup::Wizard)].cost[4] == 2);

const GroupTable* tableOf(NonWeaponGroup group) {
    const auto index = static_cast<std::size_t>(group);
    return index < kGroupTables.size() ? &kGroupTables[index] : nullptr;
}

// The two entries every fill gives for free; they are the same texts as the list entries, so a
// later draw of either finds it already listed.
constexpr std::string_view kLanguagesModern = kGeneral[18];
constexpr std::string_view kTracking = kWarrior[14];
static_assert(kLanguagesModern == "Languages, Modern" && kTracking == "Tracking");

// Intelligence up to `upTo` gives `slots` base slots; 19 is the highest score there is.
struct BaseSlots {
    int upTo;
    int slots;
};
constexpr BaseSlots kBaseSlots[] = {{8, 1},  {11, 2}, {13, 3}, {15, 4},
                                    {16, 5}, {17, 6}, {18, 7}, {19, 8}};

int baseSlots(int intelligence) {
    for (const auto& row : kBaseSlots) {
        if (intelligence <= row.upTo) {
            return row.slots;
        }
    }
    return std::end(kBaseSlots)[-1].slots;
}

void appendEntry(Character& c, std::string_view text) {
    c.nonWeapons.emplace_back(text);
}

// Takes a drawn entry whose cost fits, unless it is listed already. Kept apart from the draw so
// that the draw itself, made several times on every tick, stays small.
[[gnu::noinline]] void takeUnlessListed(Character& c, std::string_view entry, int cost) {
    if (!isNonWeaponListed(c, entry)) {
        appendEntry(c, entry);
        c.nonWeaponSlotsUsed = toCounter(c.nonWeaponSlotsUsed + cost);
    }
}

// One costed draw: a named entry (never the blank one), taken only when it is not listed yet
// and its cost fits the slots left. A draw that does not fit is dropped, not repeated.
void drawFrom(NonWeaponGroup group, Character& c, Random& random) {
    const GroupTable& table = kGroupTables[static_cast<std::size_t>(group)];
    const int named = static_cast<int>(table.entries.size()) - 1;
    const auto position = static_cast<std::size_t>(random.randomBelow(named) + 1);
    const int cost = table.cost[position];
    // The cheap slot test goes first: until the reveal has set the slots no draw can fit, and
    // the list need not be searched.
    if (cost <= c.nonWeaponSlots - c.nonWeaponSlotsUsed) {
        takeUnlessListed(c, table.entries[position], cost);
    }
}

}  // namespace

std::span<const std::string_view> nonWeaponGroupEntries(NonWeaponGroup group) {
    const GroupTable* table = tableOf(group);
    return table ? table->entries : std::span<const std::string_view>{};
}

int nonWeaponCost(NonWeaponGroup group, int position) {
    const GroupTable* table = tableOf(group);
    if (!table || position < 1 || static_cast<std::size_t>(position) >= table->entries.size()) {
        return 0;
    }
    return table->cost[static_cast<std::size_t>(position)];
}

void maxnonweapon(const CharacterOptions& o, Character& c) {
    const int level = c.level;
    // The class additions add up: a character in several groups gets each group's share.
    int slots = baseSlots(c.abilityScore[INT]);
    if (o.thief || o.bard) {
        slots += level / 4 + 3;
    }
    if (isWarrior(o)) {
        slots += level / 3 + 3;
    }
    if (isWizard(o) || isPriest(o)) {
        slots += level / 4 + 4;
    }
    c.nonWeaponSlots = toCounter(slots);
}

void nonWeaponStep(const CharacterOptions& o, Character& c, Random& random) {
    if (c.classCount < 1 || c.nonWeaponSlotsUsed > c.nonWeaponSlots) {
        return;
    }
    // The free entries come first, from the first tick on, while no slot is known yet.
    if (o.ranger && !isNonWeaponListed(c, kTracking)) {
        appendEntry(c, kTracking);
    }
    if (!isNonWeaponListed(c, kLanguagesModern)) {
        appendEntry(c, kLanguagesModern);
    }
    // Every draw below is made on every tick, also before the slots are known, so the
    // sequence of random draws does not depend on how many slots are left.
    drawFrom(NonWeaponGroup::General, c, random);
    if (o.mage || o.specialist || o.ranger || o.bard) {
        drawFrom(NonWeaponGroup::Wizard, c, random);
    }
    if (o.fighter || o.ranger || o.paladin || o.druid || o.bard) {
        drawFrom(NonWeaponGroup::Warrior, c, random);
    }
    if (o.thief || o.bard) {
        drawFrom(NonWeaponGroup::Rogue, c, random);
    }
    // The priest group draws from the Wizard list with that list's positions and costs; the
    // Priest list is left to the user's own additions.
    if (o.paladin || o.druid || o.cleric) {
        drawFrom(NonWeaponGroup::Wizard, c, random);
    }
}

bool isNonWeaponListed(const Character& c, std::string_view text) {
    return isListed(c.nonWeapons, text);
}

void addNonWeapons(Character& c, const std::array<std::string_view, 5>& choices) {
    for (const std::string_view choice : choices) {
        if (!choice.empty()) {
            appendEntry(c, choice);
        }
    }
}

void deleteNonWeapon(Character& c, int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < c.nonWeapons.size()) {
        c.nonWeapons.erase(c.nonWeapons.begin() + row);
    }
}

void clearNonWeapons(Character& c) {
    c.nonWeapons.clear();
}

}  // namespace tavrel
