#pragma once

#include "engine/game.h"
#include "odds/game.h"

#include <string>
#include <vector>

namespace trainer {

// What the table needs to play one of the analyser's games instead of its own: the pay lines
// it shows and how a final hand scores.

// The game's pay lines, lowest class first, in the table's words: "full house - 9 for 1" for
// a game that pays the stake back in its figures, "full house - 50 : 1" for one that pays on
// top of it.
std::vector<std::string> PayLineTexts(const odds::Game& game);

// The hand in slots 1..5 under the game: its class plus one as the result (1 the losing hand,
// 2 the first pay line) and the win per unit bet on top of the stake. A hand that is not five
// different cards scores {0, 0}, as the table's own evaluation does.
engine::Game::HandScore ScoreUnder(const odds::Game& game,
                                   const std::array<engine::CardCode, engine::kHandSize + 1>& hand);

} // namespace trainer
