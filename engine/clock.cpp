#include "clock.h"

#include <chrono>

namespace tavrel {

std::uint32_t SystemClock::millisecondsSinceMidnight() const {
    // system_clock counts from the epoch in UTC and ignores the local time zone.
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    const auto ms = sinceEpoch.count() % std::int64_t{kMillisecondsPerDay};
    return static_cast<std::uint32_t>(ms < 0 ? ms + kMillisecondsPerDay : ms);
}

}  // namespace tavrel
