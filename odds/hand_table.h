#pragma once

#include "odds/hand_result.h"

#include <cstdint>
#include <vector>

namespace odds {

// The result of every one of the 2,598,960 five-card hands, stored by the hand's colex index
// (see combinatorics.h). Everything else reads these scores instead of classifying again.
class HandTable {
public:
    // Scores all hands; instance() shares one table per process.
    HandTable();

    static const HandTable& instance();

    HandResult at(std::uint32_t colex) const { return results_[colex]; }
    const std::vector<HandResult>& results() const { return results_; }

private:
    std::vector<HandResult> results_;
};

} // namespace odds
