#pragma once

#include "odds/deal_classes.h"
#include "odds/fraction.h"
#include "odds/hand_result.h"
#include "odds/pay_table.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace odds {

class HandTable;
class SubsetCounts;

// Every deal played by its best hold. A final hand reached by drawing k cards counts
// kDrawWeight / C(47, k) times, so each deal contributes kDrawWeight weighted outcomes and
// every count stays a whole number.
struct ReturnReport {
    PerResult<std::uint64_t> weighted{}; // weighted outcomes per final result
    std::uint64_t total = 0;             // all weighted outcomes: 2,598,960 * kDrawWeight
    Int128 grossTotal = 0;               // gross pays summed over the weighted outcomes

    // Expected payout per unit staked, stake included: for a net table 1 + its expected
    // value, for a gross table its expected value.
    Fraction returnFraction() const { return {grossTotal, total}; }
    Fraction probability(HandResult result) const;
};

// Called with the share of the work done so far, 0..1, from the calling thread.
using Progress = std::function<void(double)>;

// Plays all deal classes over tables built beforehand; the tables are only read, so one
// calculator serves any number of pay tables.
class ReturnCalculator {
public:
    ReturnCalculator(const HandTable& hands, const SubsetCounts& subsets,
                     const std::vector<DealClass>& classes);

    // `threads` workers (1..64) share the deal classes.
    ReturnReport compute(const PayTable& table, const Progress& progress = {},
                         int threads = 1) const;

private:
    const HandTable& hands_;
    const SubsetCounts& subsets_;
    const std::vector<DealClass>& classes_;
};

// Exact, over all deals, with the tables shared by the process (built on first use, which
// the first part of the progress covers).
ReturnReport computeReturn(const PayTable& table, const Progress& progress = {}, int threads = 1);

} // namespace odds
