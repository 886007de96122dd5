#pragma once

#include <cstdint>

namespace engine {

// The ten classes of a final hand, numbered as the pay table and the pay lines index them.
// NoResult is what the evaluator gives for anything that is not five distinct cards.
enum HandResult : std::uint8_t {
    NoResult = 0,
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

} // namespace engine
