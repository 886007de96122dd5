#pragma once

#include "odds/cards.h"
#include "odds/fraction.h"
#include "odds/game.h"

#include <array>
#include <cstdint>

namespace odds {

// One hold of a dealt hand under a game, over every draw from the 47 unseen cards.
struct GameHoldOutcome {
    unsigned mask = 0;
    int drawn = 0;
    std::uint32_t draws = 0;          // C(47, drawn)
    PerClass<std::uint32_t> counts{}; // final classes over those draws
    std::int64_t grossTotal = 0;

    Fraction grossValue() const { return {grossTotal, draws}; }
    // In the game's own convention: net games subtract the stake.
    Fraction value(PayBasis basis) const;
};

// The 32 holds of a dealt hand, best first (see preferGameHold).
struct GameHandAnalysis {
    Hand hand{};
    std::array<GameHoldOutcome, kHoldCount> holds{};

    const GameHoldOutcome& best() const { return holds.front(); }
};

// Throws std::invalid_argument unless the hand is five distinct cards 1..52.
GameHandAnalysis analyseGameHand(const Hand& hand, const Game& game);

} // namespace odds
