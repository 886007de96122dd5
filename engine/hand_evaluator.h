#pragma once

#include "card.h"
#include "hand_result.h"

#include <array>

namespace engine {

// Classifies five card codes into a HandResult 1..10. Five codes that are not all distinct
// cards 1..52 give NoResult (0) rather than reading outside the counting tables.
int EvaluateCards(const std::array<CardCode, kHandSize>& cards);

} // namespace engine
