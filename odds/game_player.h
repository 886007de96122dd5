#pragma once

#include "odds/cards.h"
#include "odds/game.h"

#include <array>
#include <cstdint>

namespace odds {

class GameTables;

// One hold of a deal, everything scaled to kDrawWeight equally weighted outcomes so that
// holds drawing different numbers of cards compare exactly.
struct GameHoldScore {
    std::int64_t scaledValue = 0;           // gross pays summed over the outcomes
    PerClass<std::uint32_t> scaledCounts{}; // outcomes per final class
    unsigned mask = 0;                      // kept slots
};

// As preferHold for the ten classes: the higher value; between equal values the one more
// likely to end in the higher classes, then fewer cards kept, then the lower mask.
bool preferGameHold(const GameHoldScore& a, const GameHoldScore& b);

// Values the 32 holds of a deal from the shared subset counts by inclusion-exclusion over
// the supersets of each hold within the deal. One player serves one thread.
class GamePlayer {
public:
    GamePlayer(const Game& game, const GameTables& tables);

    // Scaled values of all 32 holds of five ascending card indices, by mask.
    const std::array<std::int64_t, kHoldCount>& values(const HandIndices& ascending);
    // The best hold of the deal last given to values().
    GameHoldScore bestOfLast() const;
    // A hold of the deal last given to values(), with its final-class counts.
    GameHoldScore score(unsigned hold) const;

    GameHoldScore bestHold(const HandIndices& ascending) {
        values(ascending);
        return bestOfLast();
    }

private:
    PerClass<std::int64_t> gross_;
    int classCount_;
    const GameTables& tables_;
    std::uint8_t dealt_ = 0;
    std::array<const std::uint32_t*, kHoldCount> counts_{};
    std::array<std::int64_t, kHoldCount> raw_{};
    std::array<std::int64_t, kHoldCount> scaled_{};
};

} // namespace odds
