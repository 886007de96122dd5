#pragma once

#include "odds/cards.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace odds {

namespace detail {

inline constexpr int kBinomialMaxN = kDeckSize;
inline constexpr int kBinomialMaxK = kHandSize;
using BinomialTable = std::array<std::array<std::uint32_t, kBinomialMaxK + 1>, kBinomialMaxN + 1>;

constexpr BinomialTable buildBinomials() {
    BinomialTable t{};
    for (std::size_t n = 0; n <= kBinomialMaxN; ++n) {
        t[n][0] = 1;
        for (std::size_t k = 1; k <= kBinomialMaxK && n > 0; ++k)
            t[n][k] = t[n - 1][k - 1] + t[n - 1][k];
    }
    return t;
}

inline constexpr BinomialTable kBinomials = buildBinomials();

} // namespace detail

// Binomial coefficients C(n, k) for n = 0..52 and k = 0..5, enough to index every set of at
// most five cards; 0 outside that range.
class Binomials {
public:
    static constexpr std::uint32_t choose(int n, int k) {
        if (n < 0 || k < 0 || k > detail::kBinomialMaxK || n > detail::kBinomialMaxN)
            return 0;
        return detail::kBinomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
};

inline constexpr std::uint32_t kFiveCardHands = Binomials::choose(kDeckSize, kHandSize);

// Cards not in the dealt hand, from which a draw is made.
inline constexpr int kUnseenCards = kDeckSize - kHandSize;

// Every way to draw 0..5 cards from the 47 unseen ones divides this number, so a final hand
// reached after drawing k cards carries weight kDrawWeight / C(47, k) and every dealt hand
// weighs the same in total. It is 5 * C(47, 5) = 7,669,695.
inline constexpr std::uint32_t kDrawWeight = 5 * Binomials::choose(kUnseenCards, 5);

constexpr std::uint32_t drawWeight(int drawn) {
    return kDrawWeight / Binomials::choose(kUnseenCards, drawn);
}

// Position of a set of ascending card indices in the colexicographic order of all sets of the
// same size: sum over j of C(card_j, j + 1). Consecutive sets in that order get consecutive
// positions, starting at 0.
template <std::size_t N> constexpr std::uint32_t colexIndex(const std::array<int, N>& ascending) {
    std::uint32_t index = 0;
    for (std::size_t j = 0; j < N; ++j)
        index += Binomials::choose(ascending[j], static_cast<int>(j) + 1);
    return index;
}

// Steps ascending[0..size) to the next set in colexicographic order over cards 0..51.
// Returns false after the last set.
bool nextColex(int* ascending, int size);

} // namespace odds
