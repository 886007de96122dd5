#pragma once

#include "odds/hand_result.h"

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

} // namespace odds
