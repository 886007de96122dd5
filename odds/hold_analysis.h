#pragma once

#include "odds/cards.h"
#include "odds/fraction.h"
#include "odds/hand_result.h"
#include "odds/pay_table.h"

#include <array>
#include <cstdint>

namespace odds {

// A hold is a set of slots, bit i for slot i (0..4) of the dealt hand.
struct HoldOutcome {
    unsigned mask = 0;
    int drawn = 0;                     // cards replaced
    std::uint32_t draws = 0;           // equally likely replacements: C(47, drawn)
    PerResult<std::uint32_t> counts{}; // final results over those replacements
    std::int64_t grossTotal = 0;       // gross pays summed over them

    // Expected payout for a stake of one, stake included.
    Fraction grossValue() const { return {grossTotal, draws}; }
    // Expected value in the table's own convention: net tables subtract the stake.
    Fraction value(PayBasis basis) const;
};

// The 32 holds of one dealt hand, best first.
struct HandAnalysis {
    Hand hand{};
    std::array<HoldOutcome, kHoldCount> holds{};

    const HoldOutcome& best() const { return holds.front(); }
};

// Final-result counts of every hold of a dealt hand over every draw from the 47 unseen cards,
// indexed by hold mask. Independent of any pay table. Throws std::invalid_argument unless the
// hand is five distinct cards 1..52.
std::array<PerResult<std::uint32_t>, kHoldCount> countHolds(const Hand& hand);

// Values every hold under the pay table and ranks them (see hold_order.h). Throws like
// countHolds.
HandAnalysis analyseHand(const Hand& hand, const PayTable& table);

} // namespace odds
