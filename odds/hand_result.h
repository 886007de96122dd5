#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace odds {

// The ten classes of a final hand, numbered as the game's pay table indexes them.
enum class HandResult : std::uint8_t {
    Nothing = 1,
    JacksOrBetter = 2,
    TwoPair = 3,
    ThreeOfAKind = 4,
    Straight = 5,
    Flush = 6,
    FullHouse = 7,
    FourOfAKind = 8,
    StraightFlush = 9,
    RoyalFlush = 10,
};

inline constexpr int kResultCount = 10;

// Position 0..9 of a result in per-result arrays.
constexpr int resultIndex(HandResult result) {
    return static_cast<int>(result) - 1;
}

constexpr HandResult resultAt(int index) {
    return static_cast<HandResult>(index + 1);
}

// Lower-case names as the reports print them.
std::string_view resultName(HandResult result);

// One counter per result, indexed by resultIndex.
template <typename T> using PerResult = std::array<T, kResultCount>;

} // namespace odds
