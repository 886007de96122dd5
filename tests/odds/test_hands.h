#pragma once

#include "odds/card_text.h"
#include "odds/cards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>

namespace odds::test {

// "AS KS QS JS 2D" as a hand; a malformed name fails the calling test.
inline Hand handOf(const std::string& names) {
    std::istringstream words(names);
    Hand hand{};
    std::string word;
    for (CardCode& card : hand) {
        words >> word;
        const auto code = parseCard(word);
        EXPECT_TRUE(code.has_value()) << word;
        card = code.value_or(1);
    }
    return hand;
}

// A deterministic stream of random deals, so failures reproduce.
class DealSource {
public:
    explicit DealSource(unsigned seed) : engine_(seed) {}

    Hand next() {
        std::array<CardCode, kDeckSize> deck{};
        for (int i = 0; i < kDeckSize; ++i)
            deck[static_cast<std::size_t>(i)] = codeOf(i);
        std::shuffle(deck.begin(), deck.end(), engine_);
        Hand hand{};
        std::copy_n(deck.begin(), kHandSize, hand.begin());
        return hand;
    }

private:
    std::mt19937 engine_;
};

} // namespace odds::test
