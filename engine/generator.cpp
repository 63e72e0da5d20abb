#include "generator.h"

#include <charconv>
#include <utility>

#include "abilities.h"
#include "armour.h"
#include "hitpoints.h"
#include "names.h"
#include "nonweapons.h"
#include "numbertext.h"
#include "spells.h"
#include "thiefskills.h"
#include "weapons.h"

namespace tavrel {

namespace {

template <std::size_t N>
std::string_view captionOr(const std::array<std::string_view, N>& captions, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? captions[index] : std::string_view{};
}

int drawLevel(int levelRange, Random& random) {
    const int base = levelRange == 1 ? 6 : levelRange == 2 ? 11 : 1;
    return random.randomBelow(5) + base;
}

// Writes the level line into `line`, reusing the string's storage instead of building
// temporaries.
void writeLevelLine(std::string& line, int level, int classCount) {
    char buffer[32] = "Level: ";
    char* at = buffer + 7;
    char* const end = buffer + sizeof buffer;
    const int numbers = classCount > 2 ? 3 : classCount > 1 ? 2 : 1;
    for (int i = 0; i < numbers; ++i) {
        if (i > 0) {
            *at++ = '/';
        }
        at = std::to_chars(at, end, level).ptr;
    }
    line.assign(buffer, at);
}

// Composes the class line into `line`, reusing its storage from the previous character.
void writeClassLine(std::string& line, const CharacterOptions& o) {
    line = "Class: ";
    const std::pair<bool, std::string_view> classes[] = {
        {o.fighter, "Fighter"}, {o.ranger, "Ranger"}, {o.paladin, "Paladin"}, {o.druid, "Druid"},
        {o.cleric, "Cleric"},   {o.thief, "Thief"},   {o.bard, "Bard"},       {o.mage, "Mage"}};
    for (const auto& [set, caption] : classes) {
        if (set) {
            line += caption;
            line += ' ';
        }
    }
    if (const auto school = specialistSchool(o)) {
        line += kSchoolCaptions[*school];
    }
}

}  // namespace

std::string levelLineFor(int level, int classCount) {
    std::string line;
    writeLevelLine(line, level, classCount);
    return line;
}

std::string classLineFor(const CharacterOptions& o) {
    std::string line;
    writeClassLine(line, o);
    return line;
}

void Generator::FormShow(const CharacterOptions& options) {
    m_edits = {};
    m_options = options;
    Character& c = m_character;

    c.alignmentLine = "Alignment: ";
    c.alignmentLine += captionOr(kLawChaosCaptions, options.lawChaos);
    c.alignmentLine += ' ';
    c.alignmentLine += captionOr(kGoodEvilCaptions, options.goodEvil);

    m_state.specializeVisible = false;
    c.nonWeaponSlotsUsed = 0;
    c.nonWeaponSlots = 0;
    c.weaponSlotsFilled = 0;
    c.weaponSlots = 1;
    c.weapons.clear();
    c.nonWeapons.clear();

    c.armourLine.clear();
    c.wizardSpellsLine = "Wizard Spells: ";
    c.priestSpellsLine = "Priest Spells: ";
    c.specialLine.clear();
    c.scrollLine.clear();
    c.thiefLine = "No thief abilities";
    c.hitPointsLine = "Hit Points";
    c.hitPoints = 0;
    c.armourClass = 0;

    c.raceLine = "Race: ";
    c.raceLine += captionOr(kRaceCaptions, options.race);
    c.genderLine = options.gender == 1 ? "Gender: Female" : "Gender: Male";

    drawName(options, c, m_random);

    c.abilityFloor.fill(3);
    c.racialAdjustment.fill(0);
    c.classCount = 0;
    c.hitDiceTotal = 0;
    c.levelsRolled = 0;
    c.conHitPointTotal = 0;
    writeClassLine(c.classLine, options);

    applyRaceTable(options, c);
    applyClassMinima(options, c);

    m_state.revealInterval = 10;
    c.revealTick = 0;
    c.abilityScore.fill(0);
    c.exceptionalStrength = -1;

    c.level = toCounter(drawLevel(options.levelRange, m_random));

    takeweapons(options, c, m_state);
}

void Generator::Timer1Timer() {
    Character& c = m_character;
    // A tick that arrives after the reveal has ended (a timer that failed to stop) only stops
    // the timer: rolling again would corrupt a finished character.
    if (c.revealTick >= c.level + 6) {
        m_state.revealInterval = 0;
        return;
    }
    const int t = c.revealTick;
    if (t <= 5) {
        rollAbility(t, m_options, c, m_random, m_clock);
    }
    if (t == 6) {
        const bool exceptional = c.abilityScore[STR] == 18 && isWarrior(m_options);
        c.exceptionalStrength = exceptional ? m_random.randomBelow(100) : -1;
    }
    if (t >= 6 && c.levelsRolled <= c.level) {
        rollhp(m_options, c, m_random);
        c.levelsRolled = toCounter(c.levelsRolled + 1);
    }
    c.revealTick = toCounter(t + 1);
    // Every tick shows the level line, but it depends only on the level and the class count,
    // which nothing but FormShow changes, and FormShow restarts the reveal at tick 0: composing
    // it on the first tick gives every later tick the same text without rewriting it.
    if (t == 0) {
        writeLevelLine(c.levelLine, c.level, c.classCount);
    }
    if (c.revealTick == c.level + 6) {
        endReveal();
    }
}

void Generator::endReveal() {
    Character& c = m_character;
    m_state.revealInterval = 0;
    if (c.classCount > 0) {
        c.hitPoints = totalHitPoints(c);
        c.hitPointsLine += ' ';
        appendNumber(c.hitPointsLine, c.hitPoints);
    }
    maxnonweapon(m_options, c);
    for (const std::string_view word : kRogueClassWords) {
        if (hasRogueClass(m_options, word)) {
            thiefabilities(m_options, c, word);
        }
    }
    setac(m_options, c, m_random);
    wizspell(m_options, c);
    prspell(m_options, c);
    if (m_options.paladin) {
        std::string& line = c.specialLine;
        line = "Lay on hands restores: ";
        appendNumber(line, 2 * c.level);
        line += "hp     Can cure disease: ";
        appendNumber(line, c.level / 5 + 1);
        line += " times/day";
    }
}

void Generator::Timer2Timer() {
    Character& c = m_character;
    weaponStep(m_options, c, m_random);
    nonWeaponStep(m_options, c, m_random);
    const bool complete = weaponFillComplete(m_options, c) &&
                          c.nonWeaponSlotsUsed == c.nonWeaponSlots && c.nonWeaponSlotsUsed >= 2;
    if (complete) {
        m_state.fillInterval = 0;
        if (m_options.fighter && c.classCount == 1) {
            drawSpecialization(c, m_random);
        }
    }
}

void Generator::restore(const CharacterOptions& options, const Character& character,
                        DriverState state, EditList edits) {
    m_edits = std::move(edits);
    m_options = options;
    m_character = character;
    state.revealInterval = 0;
    state.fillInterval = 0;
    m_state = state;
}

DriverState restoredState(const CharacterOptions& options, const Character& character) {
    // takeweapons decides the offer from the options, the level and the class count alone.
    Character scratch;
    scratch.level = character.level;
    scratch.classCount = character.classCount;
    DriverState state;
    takeweapons(options, scratch, state);
    state.revealInterval = 0;
    state.fillInterval = 0;
    return state;
}

void Generator::newName() {
    m_edits = {};
    drawName(m_options, m_character, m_random);
}

void Generator::setName(std::string name) {
    Edit edit{EditedField::Name, 0, {m_character.name}, {name}};
    m_character.name = std::move(name);
    m_edits.record(std::move(edit));
}

template <typename Change>
void Generator::editList(EditedField field, Change change) {
    const std::vector<std::string>& list =
        field == EditedField::Weapons ? m_character.weapons : m_character.nonWeapons;
    const std::vector<std::string> before = list;
    change();
    m_edits.record(listEdit(field, before, list));
}

void Generator::addWeapon(std::string text) {
    editList(EditedField::Weapons, [&] { tavrel::addWeapon(m_character, std::move(text)); });
}
void Generator::removeWeapon(int row) {
    editList(EditedField::Weapons, [&] { tavrel::removeWeapon(m_character, row); });
}
void Generator::clearWeapons() {
    editList(EditedField::Weapons, [&] { tavrel::clearWeapons(m_character); });
}
void Generator::specializeIn(int warriorListIndex) {
    Edit edit{EditedField::Specialization, 0, {m_character.specialLine}, {}};
    tavrel::specializeIn(m_character, warriorListIndex);
    edit.after = {m_character.specialLine};
    m_edits.record(std::move(edit));
}
void Generator::addNonWeapons(const std::array<std::string_view, 5>& choices) {
    editList(EditedField::NonWeapons, [&] { tavrel::addNonWeapons(m_character, choices); });
}
void Generator::deleteNonWeapon(int row) {
    editList(EditedField::NonWeapons, [&] { tavrel::deleteNonWeapon(m_character, row); });
}
void Generator::clearNonWeapons() {
    editList(EditedField::NonWeapons, [&] { tavrel::clearNonWeapons(m_character); });
}

}  // namespace tavrel
