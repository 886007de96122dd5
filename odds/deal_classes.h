#pragma once

#include "odds/cards.h"

#include <cstdint>
#include <vector>

namespace odds {

// Renaming the suits never changes a hand's odds, so the 2,598,960 deals fall into 134,459
// classes. A class is represented by the deal whose per-suit rank sets, read as numbers, do
// not increase from clubs to spades; its weight is the number of deals in the class.
struct DealClass {
    HandIndices cards{}; // ascending card indices 0..51
    std::uint32_t weight = 0;
};

std::vector<DealClass> buildDealClasses();

// Built once per process.
const std::vector<DealClass>& dealClasses();

} // namespace odds
