#pragma once

#include <cstdint>

namespace engine {

// A card is a code 1..52: four suits of thirteen, each running ace, 2..10, jack, queen, king.
// The same number picks the card's face picture.
using CardCode = std::int32_t;

inline constexpr int kDeckSize = 52;
inline constexpr int kHandSize = 5;
inline constexpr int kRanksPerSuit = 13;
inline constexpr int kSuitCount = 4;

// Picture numbers other than the card faces.
inline constexpr int kFirstBackPicture = 53; // back design 1; design t is 52 + t
inline constexpr int kEmptySlotPicture = 63;

// Ranks with names; the pip cards 2..10 are their own numbers.
enum Rank : int { Ace = 1, Ten = 10, Jack = 11, Queen = 12, King = 13, AceHigh = 14 };

// Suit 1..4 of a card code. Only meaningful for codes 1..52.
constexpr int SuitOf(CardCode code) {
    return (code - 1) / kRanksPerSuit + 1;
}

// Rank 1..13 of a card code (1 = ace, 13 = king). Only meaningful for codes 1..52.
constexpr int RankOf(CardCode code) {
    return (code - 1) % kRanksPerSuit + 1;
}

// The code of the card with this suit (1..4) and rank (1..13).
constexpr CardCode CardOf(int suit, int rank) {
    return (suit - 1) * kRanksPerSuit + rank;
}

constexpr bool IsCardCode(CardCode code) {
    return code >= 1 && code <= kDeckSize;
}

} // namespace engine
