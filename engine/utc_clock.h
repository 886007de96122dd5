#pragma once

#include <cstdint>
#include <functional>

namespace engine {

// The time of day in UTC as milliseconds since midnight, 0..86,399,999. The shuffle seeds
// from it; tests inject a fixed one.
using UtcClock = std::function<std::uint32_t()>;

inline constexpr std::uint32_t kMillisecondsPerDay = 86'400'000;

constexpr std::uint32_t MillisecondsOfDay(std::uint32_t hour, std::uint32_t minute,
                                          std::uint32_t second, std::uint32_t millisecond) {
    return ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
}

// Reads the real clock. Unix time has no leap seconds, so the remainder of a day is the
// UTC time of day; the local time zone plays no part.
std::uint32_t SystemUtcMilliseconds();

} // namespace engine
