#pragma once

#include "odds/cards.h"
#include "odds/hold_order.h"

#include <array>
#include <cstdint>

namespace odds {

class HandTable;
class SubsetCounts;

// Finds the best hold of a deal from the shared subset counts: holding S and drawing reaches
// exactly the hands that contain S and no other dealt card, which inclusion-exclusion over the
// supersets of S within the deal gives from the counts of hands containing each subset.
// One player serves one thread.
class DealPlayer {
public:
    DealPlayer(const PerResult<std::int64_t>& grossPays, const HandTable& hands,
               const SubsetCounts& subsets);

    // The best hold of five ascending card indices, its mask over those positions; value and
    // counts are scaled to kDrawWeight outcomes.
    HoldScore bestHold(const HandIndices& ascending);

private:
    // The final results of holding `hold`, unscaled, from the counts gathered by bestHold.
    PerResult<std::int64_t> outcomes(unsigned hold) const;
    HoldScore score(unsigned hold, std::int64_t value) const;

    PerResult<std::int64_t> gross_;
    const HandTable& results_;
    const SubsetCounts& subsets_;
    HandResult dealt_ = HandResult::Nothing;
    std::array<const std::uint32_t*, kHoldCount> counts_{};
};

} // namespace odds
