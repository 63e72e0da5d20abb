#pragma once

#include <array>
#include <string>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "clock.h"
#include "driverstate.h"
#include "edits.h"
#include "random.h"

namespace tavrel {

// The generation driver: starts a generation, runs the reveal and fill ticks, and applies the
// user's edits. It owns the one Character and the timer intervals; the front ends realise
// the intervals and show the record, but never change it themselves.
class Generator {
public:
    Generator(Random& random, const TimeOfDayClock& clock) : m_random(random), m_clock(clock) {}

    // Starts a generation from the captured options; may run at any time, also mid-reveal.
    void FormShow(const CharacterOptions& options);
    // One reveal tick.
    void Timer1Timer();
    // One proficiency fill tick.
    void Timer2Timer();

    // "New name": a fresh name by the same race and gender; nothing else changes. Like a new
    // generation it starts a character of its own, with nothing to undo.
    void newName();
    // The user typed over the name box.
    void setName(std::string name);

    // Shows a character kept earlier (in the window's history or a file) as it stood, with both
    // timers stopped: no reveal or fill resumes on it. Edits and "New name" then work on it as
    // on a generated character, and `edits` are what undo and redo walk.
    void restore(const CharacterOptions& options, const Character& character, DriverState state,
                 EditList edits = {});

    void addWeapon(std::string text);
    void removeWeapon(int row);
    void clearWeapons();
    void specializeIn(int warriorListIndex);
    void addNonWeapons(const std::array<std::string_view, 5>& choices);
    void deleteNonWeapon(int row);
    void clearNonWeapons();

    // The user's edits of this character (the ones above and the typed name), taken back and
    // done again; false when there is nothing to.
    bool undo() { return m_edits.undo(m_character); }
    bool redo() { return m_edits.redo(m_character); }
    const EditList& edits() const { return m_edits; }
    // The name box lost the focus: what is typed next is an edit of its own.
    void endTyping() { m_edits.endTyping(); }

    const CharacterOptions& options() const { return m_options; }
    const Character& character() const { return m_character; }
    const DriverState& state() const { return m_state; }
    bool revealRunning() const { return m_state.revealInterval != 0; }
    bool fillRunning() const { return m_state.fillInterval != 0; }

    Random& random() { return m_random; }
    const TimeOfDayClock& clock() const { return m_clock; }

private:
    void endReveal();
    // Runs `change` on a list of the record and keeps what it changed as one edit.
    template <typename Change>
    void editList(EditedField field, Change change);

    Random& m_random;
    const TimeOfDayClock& m_clock;
    CharacterOptions m_options;
    Character m_character;
    DriverState m_state;
    EditList m_edits;
};

// What the window offers for a character read from a file: the weapon list and the "Specialize
// in" button that its generation would have set, with both timers stopped.
DriverState restoredState(const CharacterOptions& options, const Character& character);

// "Level: 7", "Level: 7/7" or "Level: 7/7/7": one number per class, at most three.
std::string levelLineFor(int level, int classCount);

// "Class: " + the set classes in display order, each followed by a blank, then the school.
std::string classLineFor(const CharacterOptions& options);

}  // namespace tavrel
