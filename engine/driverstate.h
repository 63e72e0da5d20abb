#pragma once

namespace tavrel {

// The five class weapon lists; the results window shows exactly one of them.
enum class WeaponList { Warrior, Mage, Thief, Priest, Druid };

// State that the engine decides and the results window (or a headless schedule) only
// realises: the two timer intervals in milliseconds (0 = stopped), the visibility of the
// "Specialize in" button, and which class weapon list is offered.
struct DriverState {
    int revealInterval = 200;  // Timer1, as the results window is created
    int fillInterval = 10;     // Timer2, as the results window is created
    bool specializeVisible = false;
    WeaponList offeredList = WeaponList::Druid;

    bool operator==(const DriverState&) const = default;
};

}  // namespace tavrel
