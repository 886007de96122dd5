#pragma once

#include "hand_result.h"

#include <array>
#include <cstdint>

namespace engine {

// The game's pay table: the win per unit bet on top of the returned stake, indexed by result
// (element 0, "no result", is unused). Nothing loses the stake.
inline constexpr std::array<std::int32_t, kResultCount + 1> kGamePayTable{0,  -1, 2,   3,   5,  10,
                                                                          20, 50, 100, 200, 500};

} // namespace engine
