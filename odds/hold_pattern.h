#pragma once

#include "odds/cards.h"
#include "odds/game.h"

#include <cstdint>
#include <string>
#include <vector>

namespace odds {

// A hold as a strategy chart names it ("four to a royal flush", "a low pair", "suited QJ"):
// what the kept cards are made of in the terms the game's pays care about, never which
// suits they are. Holds of different deals with one pattern are played alike by a chart.
using HoldPattern = std::uint64_t;

// The pattern of keeping the slots in `mask` of five card indices 0..51 (in any order).
HoldPattern holdPattern(const HandScheme& scheme, const HandIndices& cards, unsigned mask);

// The pattern in players' words.
std::string patternText(const HandScheme& scheme, HoldPattern pattern);

// Patterns that differ only in which high cards they hold ("suited KQ", "suited KJ") or how
// many, form a family; neighbouring lines of one family read as one line.
HoldPattern patternFamily(HoldPattern pattern);
// One line for patterns of one family, in the given order: "Suited KQ or KJ".
std::string patternText(const HandScheme& scheme, const std::vector<HoldPattern>& family);

// Orders two holds of one deal that share a pattern: the higher cards first (ace high),
// deuces counting above aces. Larger means preferred; equal ranks give equal scores.
std::uint32_t holdRankScore(const HandScheme& scheme, const HandIndices& cards, unsigned mask);

} // namespace odds
