#include "odds/game_hold_analysis.h"

#include "odds/combinatorics.h"
#include "odds/game_player.h"
#include "odds/game_tables.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <vector>

namespace odds {

Fraction GameHoldOutcome::value(PayBasis basis) const {
    const std::int64_t stake = basis == PayBasis::Net ? std::int64_t{draws} : 0;
    return {grossTotal - stake, draws};
}

GameHandAnalysis analyseGameHand(const Hand& hand, const Game& game) {
    if (!isValidHand(hand))
        throw std::invalid_argument("a hand is five different cards");
    // Every hand of the deck is reached by exactly one hold of the dealt hand, the one that
    // keeps the dealt cards it shares: one pass over the classified hands counts all 32.
    std::array<unsigned, kDeckSize> slotBit{};
    for (std::size_t slot = 0; slot < hand.size(); ++slot)
        slotBit[static_cast<std::size_t>(indexOf(hand[slot]))] = 1u << slot;
    constexpr unsigned kRow = kMaxClasses;
    constexpr unsigned kBank = kHoldCount * kRow;
    constexpr unsigned kBanks = 4;
    std::vector<std::uint32_t> tally(kBank * kBanks);
    const std::uint8_t* result = GameTables::of(game.scheme()).classes().data();
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
                        ++tally[bank + hold * kRow + *result++];
                    }
                }
            }
        }
    }

    const PerClass<std::int64_t> gross = game.grossPays();
    GameHandAnalysis analysis;
    analysis.hand = hand;
    std::array<GameHoldScore, kHoldCount> scores{};
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        GameHoldOutcome& hold = analysis.holds[mask];
        hold.mask = mask;
        hold.drawn = kHandSize - std::popcount(mask);
        hold.draws = Binomials::choose(kUnseenCards, hold.drawn);
        for (unsigned c = 0; c < kRow; ++c)
            for (unsigned bank = 0; bank < kBanks; ++bank)
                hold.counts[c] += tally[bank * kBank + mask * kRow + c];
        for (std::size_t c = 0; c < gross.size(); ++c)
            hold.grossTotal += gross[c] * hold.counts[c];
        const std::uint32_t weight = drawWeight(hold.drawn);
        scores[mask] = {hold.grossTotal * weight, {}, mask};
        for (std::size_t c = 0; c < hold.counts.size(); ++c)
            scores[mask].scaledCounts[c] = hold.counts[c] * weight;
    }
    std::sort(analysis.holds.begin(), analysis.holds.end(),
              [&](const GameHoldOutcome& a, const GameHoldOutcome& b) {
                  return preferGameHold(scores[a.mask], scores[b.mask]);
              });
    return analysis;
}

} // namespace odds
