#pragma once

#include <span>
#include <string_view>

#include "driverstate.h"

namespace tavrel {

// The fixed texts the results window loads into its drop-downs and hidden lists, in list order
// and exactly as stored. The window fills every box from here, so the engine's tables are the
// only source of these texts.
std::span<const std::string_view> offeredWeaponEntries(WeaponList list);

inline constexpr int kNonWeaponGroupCount = 5;
// Group lists in the order General, Priest, Rogue, Warrior, Wizard; each begins with its blank
// entry.
std::span<const std::string_view> nonWeaponGroupList(int group);

std::span<const std::string_view> armourTexts();

}  // namespace tavrel
