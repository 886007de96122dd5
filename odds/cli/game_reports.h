#pragma once

#include "odds/game.h"
#include "odds/game_hold_analysis.h"
#include "odds/game_return.h"

#include <iosfwd>
#include <string>

namespace odds::cli {

// "Jacks or Better 9/6 (jacks-9/6), gross: 0 1 2 3 4 6 9 25 50 800"
std::string describeGame(const Game& game);

// Every built-in game with its pay per class, best class first.
void printGames(std::ostream& out);

// As the ten-class reports, with the game's classes.
void printGameHoldReport(std::ostream& out, const GameHandAnalysis& analysis, const Game& game);
void printGameReturnReport(std::ostream& out, const GameReturnReport& report, const Game& game);

} // namespace odds::cli
