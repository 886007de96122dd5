#pragma once

#include "odds/cards.h"
#include "odds/hand_result.h"

#include <optional>

namespace odds {

// Classifies five distinct card indices 0..51 (unchecked: the analyser only ever builds such
// hands). Rank groups come from a packed per-rank counter; hands of five different ranks are
// looked up in a table of all rank patterns.
HandResult classifyIndices(const HandIndices& cards);

// The checked form over game card codes: no result unless the five are distinct cards 1..52.
std::optional<HandResult> classifyHand(const Hand& hand);

} // namespace odds
