#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "clock.h"
#include "random.h"

namespace tavrel {
namespace {

TEST(Random, SequenceFromSeedZeroFollowsTheFormula) {
    // seed 0 -> 0 * 134775813 + 1 = 1;          1 * 100 >> 32 = 0
    // seed 1 -> 1 * 134775813 + 1 = 134775814;  134775814 * 6 = 808654884 < 2^32, >> 32 = 0
    // seed    -> 134775814 * 134775813 + 1 mod 2^32 = 3698175007; * 100 >> 32 = 86
    // seed    -> 3698175007 * 134775813 + 1 mod 2^32 = 870078620; * 35789781 >> 32 = 7250328
    Random r;
    EXPECT_EQ(r.randomBelow(100), 0);
    EXPECT_EQ(r.seed(), 1u);
    EXPECT_EQ(r.randomBelow(6), 0);
    EXPECT_EQ(r.seed(), 134775814u);
    EXPECT_EQ(r.randomBelow(100), 86);
    EXPECT_EQ(r.seed(), 3698175007u);
    EXPECT_EQ(r.randomBelow(35789781), 7250328);
    EXPECT_EQ(r.seed(), 870078620u);
}

TEST(Random, ReseedTakesMillisecondsSinceMidnight) {
    // 13:45:30.250 -> ((13 * 60 + 45) * 60 + 30) * 1000 + 250 = 49530250, and the next step
    // 49530250 * 134775813 + 1 mod 2^32 = 1022231475 gives 1022231475 * 6 >> 32 = 1.
    SettableClock clock(((13 * 60 + 45) * 60 + 30) * 1000 + 250);
    Random r(12345);
    r.reseedFromClock(clock);
    EXPECT_EQ(r.seed(), 49530250u);
    EXPECT_EQ(r.randomBelow(6), 1);
    EXPECT_EQ(r.seed(), 1022231475u);
}

TEST(Random, ResultsStayBelowTheBoundForExtremeSeeds) {
    for (std::uint32_t seed : {0u, 1u, 0x7fffffffu, 0xfffffffeu, 0xffffffffu}) {
        for (int n : {1, 2, 6, 100, 35789781, 2147483647}) {
            Random r(seed);
            const int v = r.randomBelow(n);
            EXPECT_GE(v, 0);
            EXPECT_LT(v, n);
        }
    }
}

TEST(Clock, SettableClockWrapsAtMidnight) {
    SettableClock clock(kMillisecondsPerDay - 5);
    clock.advance(10);
    EXPECT_EQ(clock.millisecondsSinceMidnight(), 5u);
    clock.set(kMillisecondsPerDay + 7);
    EXPECT_EQ(clock.millisecondsSinceMidnight(), 7u);
}

TEST(Clock, SystemClockReadsUtcTimeOfDay) {
    using namespace std::chrono;
    const auto before =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() %
        kMillisecondsPerDay;
    const std::uint32_t reading = SystemClock{}.millisecondsSinceMidnight();
    const auto after = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() %
                       kMillisecondsPerDay;
    EXPECT_LT(reading, kMillisecondsPerDay);
    if (before <= after) {  // not across midnight
        EXPECT_GE(reading, before);
        EXPECT_LE(reading, after);
    }
}

}  // namespace
}  // namespace tavrel
