#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

inline constexpr std::uint32_t kMillisecondsPerDay = 86'400'000;

// The time of day in UTC, in milliseconds since midnight (0 .. 86 399 999).
class TimeOfDayClock {
public:
    virtual ~TimeOfDayClock() = default;
    virtual std::uint32_t millisecondsSinceMidnight() const = 0;
};

// The real clock of the machine, read in UTC (never local time).
class SystemClock final : public TimeOfDayClock {
public:
    std::uint32_t millisecondsSinceMidnight() const override;
};

// A clock that reads what it was set to: for tests, benchmarks and headless generation.
class SettableClock final : public TimeOfDayClock {
public:
    explicit SettableClock(std::uint32_t ms = 0) { set(ms); }
    std::uint32_t millisecondsSinceMidnight() const override { return m_ms; }
    void set(std::uint32_t ms) { m_ms = ms % kMillisecondsPerDay; }
    void advance(std::uint32_t ms) {
        m_ms = static_cast<std::uint32_t>((std::uint64_t{m_ms} + ms) % kMillisecondsPerDay);
    }

private:
    std::uint32_t m_ms = 0;
};

// "HH:MM:SS.mmm" for milliseconds since midnight: how a start time is shown and saved.
std::string formatTime(std::uint32_t ms);
// Reads "HH:MM:SS" with an optional ".mmm"; nullopt for anything else.
std::optional<std::uint32_t> parseTime(std::string_view text);

}  // namespace tavrel
