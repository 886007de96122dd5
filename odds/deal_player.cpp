#include "odds/deal_player.h"

#include "odds/combinatorics.h"
#include "odds/hand_table.h"
#include "odds/subset_counts.h"

#include <bit>

namespace odds {

DealPlayer::DealPlayer(const PerResult<std::int64_t>& grossPays, const HandTable& hands,
                       const SubsetCounts& subsets)
    : gross_(grossPays), results_(hands), subsets_(subsets) {}

HoldScore DealPlayer::bestHold(const HandIndices& ascending) {
    dealt_ = results_.at(colexIndex(ascending));
    // Subsets are numbered like holds; the colex position of one grows from the subset
    // without its highest card.
    std::array<std::uint32_t, kHoldCount> position{};
    for (unsigned set = 1; set < kAllHeld; ++set) {
        const int top = std::bit_width(set) - 1;
        position[set] =
            position[set & ~(1u << top)] +
            Binomials::choose(ascending[static_cast<std::size_t>(top)], std::popcount(set));
    }
    std::array<std::int64_t, kHoldCount> value{};
    for (unsigned set = 0; set < kAllHeld; ++set) {
        counts_[set] = subsets_.counts(std::popcount(set), position[set]);
        for (int r = 0; r < kResultCount; ++r)
            value[set] += gross_[static_cast<std::size_t>(r)] * counts_[set][r];
    }
    value[kAllHeld] = gross_[static_cast<std::size_t>(resultIndex(dealt_))];
    // In place: value[S] becomes the sum over supersets T of (-1)^|T - S| value[T].
    for (unsigned bit = 1; bit < kHoldCount; bit <<= 1)
        for (unsigned set = 0; set < kHoldCount; ++set)
            if (!(set & bit))
                value[set] -= value[set | bit];

    // Ties are rare, so the final-result counts that break them are formed only when needed.
    const auto scaled = [&](unsigned hold) {
        return value[hold] * drawWeight(kHandSize - std::popcount(hold));
    };
    unsigned best = 0;
    bool tied = false;
    for (unsigned hold = 1; hold < kHoldCount; ++hold) {
        if (scaled(hold) > scaled(best)) {
            best = hold;
            tied = false;
        } else if (scaled(hold) == scaled(best)) {
            tied = true;
        }
    }
    HoldScore winner = score(best, value[best]);
    if (tied)
        for (unsigned hold = 0; hold < kHoldCount; ++hold)
            if (hold != best && scaled(hold) == scaled(best)) {
                const HoldScore other = score(hold, value[hold]);
                if (preferHold(other, winner))
                    winner = other;
            }
    return winner;
}

PerResult<std::int64_t> DealPlayer::outcomes(unsigned hold) const {
    PerResult<std::int64_t> result{};
    const unsigned discarded = kAllHeld & ~hold;
    unsigned extra = 0; // runs through every subset of the discarded slots
    do {
        const unsigned set = hold | extra;
        const std::int64_t sign = std::popcount(extra) % 2 == 0 ? 1 : -1;
        if (set == kAllHeld) {
            result[static_cast<std::size_t>(resultIndex(dealt_))] += sign;
        } else {
            for (int r = 0; r < kResultCount; ++r)
                result[static_cast<std::size_t>(r)] += sign * counts_[set][r];
        }
        extra = (extra - discarded) & discarded;
    } while (extra != 0);
    return result;
}

HoldScore DealPlayer::score(unsigned hold, std::int64_t value) const {
    const std::int64_t weight = drawWeight(kHandSize - std::popcount(hold));
    HoldScore result{value * weight, {}, hold};
    const PerResult<std::int64_t> counts = outcomes(hold);
    for (std::size_t r = 0; r < counts.size(); ++r)
        result.scaledCounts[r] = static_cast<std::uint32_t>(counts[r] * weight);
    return result;
}

} // namespace odds
