#pragma once

#include <cstdint>

namespace engine {

// One step of the game's 32-bit linear congruential generator: advances state, then scales
// the new state into 0..n-1 (0 when n is 0).
std::uint32_t RandomBelow(std::uint32_t& state, std::uint32_t n);

} // namespace engine
