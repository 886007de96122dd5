#pragma once

#include "tools/cardgen/palette.h"

namespace cardgen {

// Suits in picture-number order: 1..13 clubs, 14..26 diamonds, 27..39 hearts, 40..52 spades.
enum class Suit { Clubs = 1, Diamonds = 2, Hearts = 3, Spades = 4 };

enum class Rank {
    Ace = 1,
    Two,
    Three,
    Four,
    Five,
    Six,
    Seven,
    Eight,
    Nine,
    Ten,
    Jack,
    Queen,
    King,
};

inline constexpr Suit kSuits[] = {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};

inline bool IsRed(Suit s) {
    return s == Suit::Diamonds || s == Suit::Hearts;
}

// Red suits are printed in maroon, black suits in black.
inline Colour InkOf(Suit s) {
    return IsRed(s) ? Colour::Maroon : Colour::Black;
}

inline bool IsCourt(Rank r) {
    return r == Rank::Jack || r == Rank::Queen || r == Rank::King;
}

inline int PipCount(Rank r) {
    return static_cast<int>(r);
}

} // namespace cardgen
