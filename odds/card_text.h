#pragma once

#include "odds/cards.h"

#include <optional>
#include <string>
#include <string_view>

namespace odds {

// Two-character card names such as "AS", "TD", "9h": rank A 2..9 T J Q K (10 is taken for T),
// suit C D H S, either case. Anything else gives no card.
std::optional<CardCode> parseCard(std::string_view text);

// The canonical upper-case name, "AS" for the ace of spades; "??" for a non-card.
std::string cardName(CardCode code);

} // namespace odds
