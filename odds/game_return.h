#pragma once

#include "odds/fraction.h"
#include "odds/game.h"
#include "odds/return_calculator.h"

#include <cstdint>

namespace odds {

// Every deal of a game played by its best hold, counted as ReturnReport counts the ten
// classes: each deal weighs kDrawWeight outcomes.
struct GameReturnReport {
    PerClass<std::uint64_t> weighted{};
    std::uint64_t total = 0;
    Int128 grossTotal = 0;

    Fraction returnFraction() const { return {grossTotal, total}; }
    Fraction probability(int gameClass) const {
        return {static_cast<Int128>(weighted[static_cast<std::size_t>(gameClass)]),
                static_cast<Int128>(total)};
    }
};

// Exact over all deals by suit class; the game's tables are built on first use (the first
// half of the progress). `threads` workers, 1..64.
GameReturnReport computeGameReturn(const Game& game, const Progress& progress = {},
                                   int threads = 1);

} // namespace odds
