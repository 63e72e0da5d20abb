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

namespace {

// Exactly `width` decimal digits.
std::optional<std::uint32_t> fixedDigits(std::string_view s, std::size_t width) {
    if (s.size() != width)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

}  // namespace

std::string formatTime(std::uint32_t ms) {
    ms %= kMillisecondsPerDay;
    char buffer[16];
    const auto part = [](char* at, std::uint32_t value, int width) {
        for (int i = width - 1; i >= 0; --i) {
            at[i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
    };
    part(buffer, ms / 3'600'000, 2);
    buffer[2] = ':';
    part(buffer + 3, ms / 60'000 % 60, 2);
    buffer[5] = ':';
    part(buffer + 6, ms / 1000 % 60, 2);
    buffer[8] = '.';
    part(buffer + 9, ms % 1000, 3);
    return std::string(buffer, 12);
}

std::optional<std::uint32_t> parseTime(std::string_view text) {
    if (text.size() != 8 && text.size() != 12)
        return std::nullopt;
    if (text[2] != ':' || text[5] != ':' || (text.size() == 12 && text[8] != '.')) {
        return std::nullopt;
    }
    const auto h = fixedDigits(text.substr(0, 2), 2);
    const auto m = fixedDigits(text.substr(3, 2), 2);
    const auto s = fixedDigits(text.substr(6, 2), 2);
    const auto ms =
        text.size() == 12 ? fixedDigits(text.substr(9, 3), 3) : std::optional<std::uint32_t>{0};
    if (!h || !m || !s || !ms || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    return ((*h * 60 + *m) * 60 + *s) * 1000 + *ms;
}

}  // namespace tavrel
