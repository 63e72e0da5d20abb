#include <gtest/gtest.h>

#include "builders.h"
#include "schedule.h"

namespace tavrel {
namespace {

using test::optionsFor;

TEST(VirtualSchedule, SeedAndStartTimeReproduceAGenerationExactly) {
    CharacterOptions o = optionsFor(Dwarf, {"fighter", "thief"});
    o.levelRange = 2;
    VirtualSchedule first(123456789, 45'000'000);
    first.generate(o);
    const VirtualSchedule::Start second = first.generate(o);  // a reroll continues the sequence

    VirtualSchedule again(second.seed, second.time);
    again.generate(o);
    EXPECT_EQ(again.character(), first.character());
    EXPECT_EQ(again.time(), first.time());
    EXPECT_EQ(again.seed(), first.seed());
}

TEST(VirtualSchedule, StepsAreTenMillisecondsAndTheRevealEndsOnTime) {
    VirtualSchedule s(1, 1000);
    const auto start = s.generate(optionsFor(Human, {"mage"}));
    EXPECT_EQ(start.seed, 1u);
    EXPECT_EQ(start.time, 1000u);
    EXPECT_EQ(s.time(), 1000u + 10u * static_cast<std::uint32_t>(s.steps()));
    EXPECT_GE(s.steps(), s.character().level + 6);
    EXPECT_TRUE(s.finished());
    EXPECT_LT(s.steps(), 200) << "the fill completes soon after the reveal";
    EXPECT_EQ(s.character().weaponSlotsFilled, s.character().weaponSlots);
    EXPECT_EQ(s.character().levelsRolled, s.character().level);
}

TEST(VirtualSchedule, TimeWrapsAtMidnight) {
    VirtualSchedule s(7, kMillisecondsPerDay - 25);
    s.generate(optionsFor(Elf, {"thief"}));
    EXPECT_LT(s.time(), kMillisecondsPerDay);
    EXPECT_EQ(s.time(), (kMillisecondsPerDay - 25 + 10u * static_cast<std::uint32_t>(s.steps())) %
                            kMillisecondsPerDay);
}

}  // namespace
}  // namespace tavrel
