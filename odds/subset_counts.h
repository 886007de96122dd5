#pragma once

#include "odds/hand_result.h"

#include <array>
#include <cstdint>
#include <vector>

namespace odds {

class HandTable;

// For every set of 0..4 cards, how many five-card hands of the whole deck contain it, by
// result. Built once from the scored hands; no pay table enters it. Four-card sets come from
// the hands themselves, each smaller size from the size above, since a hand containing a
// k-card set is reached from 5 - k of the (k + 1)-card sets between them.
class SubsetCounts {
public:
    static constexpr int kMaxSize = 4;

    explicit SubsetCounts(const HandTable& hands);

    // Shared, built from HandTable::instance().
    static const SubsetCounts& instance();

    // The counts for the set of the given size at the given colex position.
    const std::uint32_t* counts(int size, std::uint32_t colex) const {
        return levels_[static_cast<std::size_t>(size)].data() + std::size_t{colex} * kResultCount;
    }

private:
    std::array<std::vector<std::uint32_t>, kMaxSize + 1> levels_;
};

} // namespace odds
