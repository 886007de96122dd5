#include "odds/hold_order.h"

#include <bit>

namespace odds {

bool preferHold(const HoldScore& a, const HoldScore& b) {
    if (a.scaledValue != b.scaledValue)
        return a.scaledValue > b.scaledValue;
    for (int r = kResultCount - 1; r >= 0; --r) {
        const auto i = static_cast<std::size_t>(r);
        if (a.scaledCounts[i] != b.scaledCounts[i])
            return a.scaledCounts[i] > b.scaledCounts[i];
    }
    const int keptA = std::popcount(a.mask);
    const int keptB = std::popcount(b.mask);
    if (keptA != keptB)
        return keptA < keptB;
    return a.mask < b.mask;
}

} // namespace odds
