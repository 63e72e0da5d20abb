#pragma once

#include <array>
#include <string>
#include <string_view>

#include "character.h"
#include "characteroptions.h"
#include "clock.h"
#include "driverstate.h"
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

    // "New name": a fresh name by the same race and gender; nothing else changes.
    void newName();
    // The user typed over the name box.
    void setName(std::string name) { m_character.name = std::move(name); }

    // Shows a character kept earlier (in the window's history or a file) as it stood, with both
    // timers stopped: no reveal or fill resumes on it. Edits and "New name" then work on it as
    // on a generated character.
    void restore(const CharacterOptions& options, const Character& character, DriverState state);

    void addWeapon(std::string text);
    void removeWeapon(int row);
    void clearWeapons();
    void specializeIn(int warriorListIndex);
    void addNonWeapons(const std::array<std::string_view, 5>& choices);
    void deleteNonWeapon(int row);
    void clearNonWeapons();

    const CharacterOptions& options() const { return m_options; }
    const Character& character() const { return m_character; }
    const DriverState& state() const { return m_state; }
    bool revealRunning() const { return m_state.revealInterval != 0; }
    bool fillRunning() const { return m_state.fillInterval != 0; }

    Random& random() { return m_random; }
    const TimeOfDayClock& clock() const { return m_clock; }

private:
    void endReveal();

    Random& m_random;
    const TimeOfDayClock& m_clock;
    CharacterOptions m_options;
    Character m_character;
    DriverState m_state;
};

// What the window offers for a character read from a file: the weapon list and the "Specialize
// in" button that its generation would have set, with both timers stopped.
DriverState restoredState(const CharacterOptions& options, const Character& character);

// "Level: 7", "Level: 7/7" or "Level: 7/7/7": one number per class, at most three.
std::string levelLineFor(int level, int classCount);

// "Class: " + the set classes in display order, each followed by a blank, then the school.
std::string classLineFor(const CharacterOptions& options);

}  // namespace tavrel
