#pragma once

#include "engine/hand_result.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace odds {

// The ten classes of a final hand are the game's own, numbered as its pay table indexes
// them; the analyser never meets the engine's "no result".
using engine::HandResult;
using engine::kResultCount;

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
