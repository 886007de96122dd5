#include "random_below.h"

namespace engine {

namespace {
constexpr std::uint32_t kMultiplier = 0x08088405; // 134775813
}

std::uint32_t RandomBelow(std::uint32_t& state, std::uint32_t n) {
    state = state * kMultiplier + 1u; // unsigned, so it wraps modulo 2^32
    // The high word of the 64-bit product: uniform scaling without division.
    return static_cast<std::uint32_t>((std::uint64_t{n} * state) >> 32);
}

} // namespace engine
