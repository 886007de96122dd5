#pragma once

#include "odds/game.h"
#include "odds/hold_pattern.h"
#include "odds/return_calculator.h"

#include <vector>

namespace odds {

// The ordered patterns of a chart for the game (see StrategyChart::derive), the last one
// "draw five new cards".
std::vector<HoldPattern> buildChartOrder(const Game& game, int maxLines, double minLineWorth,
                                         const Progress& progress);

} // namespace odds
