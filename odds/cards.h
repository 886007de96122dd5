#pragma once

#include "engine/card.h"

#include <array>
#include <cstdint>

namespace odds {

// Cards travel through the public interface as the game's codes 1..52 (clubs, diamonds,
// hearts, spades; ace, 2..10, jack, queen, king within a suit). Inside the analyser a card
// is its index 0..51 = code - 1, which keeps the combinatorial indexing zero-based.
using engine::CardCode;
using engine::kDeckSize;
using engine::kHandSize;
using engine::kRanksPerSuit;
using engine::kSuitCount;
inline constexpr int kHoldCount = 1 << kHandSize;
inline constexpr unsigned kAllHeld = kHoldCount - 1;

using Hand = std::array<CardCode, kHandSize>;
using HandIndices = std::array<int, kHandSize>;

constexpr bool isCardCode(CardCode code) {
    return engine::IsCardCode(code);
}

constexpr int indexOf(CardCode code) {
    return code - 1;
}

constexpr CardCode codeOf(int index) {
    return index + 1;
}

// Rank 0..12 (0 = ace, 12 = king) and suit 0..3 of a card index.
constexpr int rankOfIndex(int index) {
    return engine::RankOf(codeOf(index)) - 1;
}

constexpr int suitOfIndex(int index) {
    return engine::SuitOf(codeOf(index)) - 1;
}

// True when the five codes are distinct cards 1..52.
bool isValidHand(const Hand& hand);

} // namespace odds
