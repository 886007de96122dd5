#pragma once

#include "odds/hand_result.h"

#include <bit>
#include <cstddef>
#include <cstdint>

namespace odds {

// What decides between two holds of one deal. Everything is scaled to kDrawWeight equally
// weighted outcomes, so holds that draw different numbers of cards compare exactly.
struct HoldScore {
    std::int64_t scaledValue = 0;            // gross pays summed over the outcomes
    PerResult<std::uint32_t> scaledCounts{}; // outcomes per final result
    unsigned mask = 0;                       // kept slots
};

// True when hold a is preferred to hold b: the higher expected payout; between holds worth
// exactly the same, the one more likely to end in the better results (compared from royal
// flush down), then the one that keeps fewer cards, then the lower slot mask. The first two
// steps see only what renaming the suits leaves unchanged, so every deal of a suit class picks
// a hold with the same final-result odds, whichever tied hold that is.
bool preferHold(const HoldScore& a, const HoldScore& b);

// The same order for any score with a value and outcome counts per final class, the best
// class last: both the ten-result analyser and the games use it.
template <typename Score> bool preferScore(const Score& a, const Score& b) {
    if (a.scaledValue != b.scaledValue)
        return a.scaledValue > b.scaledValue;
    for (std::size_t i = a.scaledCounts.size(); i-- > 0;)
        if (a.scaledCounts[i] != b.scaledCounts[i])
            return a.scaledCounts[i] > b.scaledCounts[i];
    const int keptA = std::popcount(a.mask);
    const int keptB = std::popcount(b.mask);
    if (keptA != keptB)
        return keptA < keptB;
    return a.mask < b.mask;
}

} // namespace odds
