#include "odds/hold_analysis.h"

#include "odds/combinatorics.h"
#include "odds/hand_table.h"
#include "odds/hold_order.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace odds {

Fraction HoldOutcome::value(PayBasis basis) const {
    const std::int64_t stake = basis == PayBasis::Net ? std::int64_t{draws} : 0;
    return {grossTotal - stake, draws};
}

std::array<PerResult<std::uint32_t>, kHoldCount> countHolds(const Hand& hand) {
    if (!isValidHand(hand))
        throw std::invalid_argument("a hand is five different cards");
    // Every five-card hand of the deck is reached by exactly one hold of the dealt hand: the
    // hold keeps the dealt cards the hand shares, the draw supplies the rest from the unseen
    // cards. So one pass over the scored hands counts the outcomes of all 32 holds at once.
    std::array<unsigned, kDeckSize> slotBit{};
    for (std::size_t slot = 0; slot < hand.size(); ++slot)
        slotBit[static_cast<std::size_t>(indexOf(hand[slot]))] = 1u << slot;

    // Padded rows turn the (hold, result) address into a shift. Most hands land on the same
    // few counters, so neighbouring hands count into separate banks rather than wait for
    // each other's increments.
    constexpr unsigned kRow = 16;
    constexpr unsigned kBank = kHoldCount * kRow;
    constexpr unsigned kBanks = 4;
    std::array<std::uint32_t, kBank * kBanks> tally{};
    const HandResult* result = HandTable::instance().results().data();
    for (int c4 = 4; c4 < kDeckSize; ++c4) {
        const unsigned m4 = slotBit[static_cast<std::size_t>(c4)];
        for (int c3 = 3; c3 < c4; ++c3) {
            const unsigned m3 = m4 | slotBit[static_cast<std::size_t>(c3)];
            for (int c2 = 2; c2 < c3; ++c2) {
                const unsigned m2 = m3 | slotBit[static_cast<std::size_t>(c2)];
                for (int c1 = 1; c1 < c2; ++c1) {
                    const unsigned m1 = m2 | slotBit[static_cast<std::size_t>(c1)];
                    for (int c0 = 0; c0 < c1; ++c0) {
                        const unsigned hold = m1 | slotBit[static_cast<std::size_t>(c0)];
                        const unsigned bank = static_cast<unsigned>(c0) % kBanks * kBank;
                        ++tally[bank + hold * kRow + static_cast<unsigned>(*result++)];
                    }
                }
            }
        }
    }

    std::array<PerResult<std::uint32_t>, kHoldCount> counts{};
    for (unsigned hold = 0; hold < kHoldCount; ++hold)
        for (int r = 0; r < kResultCount; ++r)
            for (unsigned bank = 0; bank < kBanks; ++bank)
                counts[hold][static_cast<std::size_t>(r)] +=
                    tally[bank * kBank + hold * kRow + static_cast<unsigned>(resultAt(r))];
    return counts;
}

HandAnalysis analyseHand(const Hand& hand, const PayTable& table) {
    const auto counts = countHolds(hand);
    const auto gross = table.grossPays();
    HandAnalysis analysis;
    analysis.hand = hand;
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        HoldOutcome& hold = analysis.holds[mask];
        hold.mask = mask;
        hold.drawn = kHandSize - std::popcount(mask);
        hold.draws = Binomials::choose(kUnseenCards, hold.drawn);
        hold.counts = counts[mask];
        for (std::size_t r = 0; r < gross.size(); ++r)
            hold.grossTotal += gross[r] * hold.counts[r];
    }
    const auto score = [](const HoldOutcome& hold) {
        HoldScore score{hold.grossTotal * drawWeight(hold.drawn), {}, hold.mask};
        for (std::size_t r = 0; r < hold.counts.size(); ++r)
            score.scaledCounts[r] = hold.counts[r] * drawWeight(hold.drawn);
        return score;
    };
    std::array<HoldScore, kHoldCount> scores{};
    for (unsigned mask = 0; mask < kHoldCount; ++mask)
        scores[mask] = score(analysis.holds[mask]);
    std::sort(analysis.holds.begin(), analysis.holds.end(),
              [&](const HoldOutcome& a, const HoldOutcome& b) {
                  return preferHold(scores[a.mask], scores[b.mask]);
              });
    return analysis;
}

} // namespace odds
