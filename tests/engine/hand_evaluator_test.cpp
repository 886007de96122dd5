#include "engine/card.h"
#include "engine/hand_evaluator.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>
#include <string>

using namespace engine;

namespace {

// "AS KD 10H 2C 5S": rank A 2..10 J Q K, suit C D H S.
std::array<CardCode, kHandSize> Cards(const std::string& text) {
    std::array<CardCode, kHandSize> cards{};
    std::istringstream in(text);
    std::string word;
    for (CardCode& card : cards) {
        in >> word;
        const std::string rankText = word.substr(0, word.size() - 1);
        const std::map<std::string, int> named{{"A", Ace}, {"J", Jack}, {"Q", Queen}, {"K", King}};
        const int rank = named.count(rankText) ? named.at(rankText) : std::stoi(rankText);
        const int suit = static_cast<int>(std::string("CDHS").find(word.back())) + 1;
        card = CardOf(suit, rank);
    }
    return cards;
}

} // namespace

TEST(EvaluateCards, ClassifiesTheBoundaryHands) {
    const struct {
        const char* hand;
        int result;
    } cases[] = {
        {"AS 2D 3H 4C 5S", Straight},       {"AH 2H 3H 4H 5H", StraightFlush},
        {"10S JS QS KS AS", RoyalFlush},    {"10S JD QS KS AS", Straight},
        {"9C 10C JC QC KC", StraightFlush}, {"QS KD AH 2C 3S", Nothing},
        {"JS JD 2H 5C 9S", JacksOrBetter},  {"AS AD 2H 5C 9S", JacksOrBetter},
        {"KS KD 2H 5C 9S", JacksOrBetter},  {"10S 10D 2H 5C 9S", Nothing},
        {"2S 2D 3H 3C 9S", TwoPair},        {"AS AD KH KC 9S", TwoPair},
        {"7S 7D 7H 3C 9S", ThreeOfAKind},   {"7S 7D 7H 3C 3S", FullHouse},
        {"7S 7D 7H 7C 3S", FourOfAKind},    {"AS AD AH AC KS", FourOfAKind},
        {"2D 5D 9D JD KD", Flush},          {"2D 3D 4D 5D 7D", Flush},
        {"6S 7D 8H 9C 10S", Straight},      {"2S 3D 4H 5C 7S", Nothing},
        {"JS QD KH AC 2S", Nothing},        {"9S JD KH AC 2S", Nothing},
    };
    for (const auto& c : cases) {
        auto cards = Cards(c.hand);
        EXPECT_EQ(EvaluateCards(cards), c.result) << c.hand;
        std::reverse(cards.begin(), cards.end()); // the slot order does not matter
        EXPECT_EQ(EvaluateCards(cards), c.result) << c.hand << " reversed";
        std::rotate(cards.begin(), cards.begin() + 2, cards.end());
        EXPECT_EQ(EvaluateCards(cards), c.result) << c.hand << " rotated";
    }
}

TEST(EvaluateCards, AnythingButFiveDistinctCardsHasNoResult) {
    const std::array<CardCode, kHandSize> bad[] = {
        {0, 0, 0, 0, 0},  {1, 1, 1, 1, 1},         {1, 14, 27, 40, 1}, {1, 2, 3, 4, 53},
        {-1, 2, 3, 4, 5}, {INT32_MIN, 2, 3, 4, 5}, {1, 2, 3, 4, 64},   {10, 11, 12, 13, 10},
    };
    for (const auto& cards : bad)
        EXPECT_EQ(EvaluateCards(cards), NoResult) << cards[0] << " " << cards[4];
}

TEST(EvaluateCards, AllFiveCardHandsFollowThePublishedDistribution) {
    std::array<long, kResultCount + 1> count{};
    std::array<CardCode, kHandSize> h{};
    for (h[0] = 1; h[0] <= 48; ++h[0])
        for (h[1] = h[0] + 1; h[1] <= 49; ++h[1])
            for (h[2] = h[1] + 1; h[2] <= 50; ++h[2])
                for (h[3] = h[2] + 1; h[3] <= 51; ++h[3])
                    for (h[4] = h[3] + 1; h[4] <= 52; ++h[4])
                        ++count[EvaluateCards(h)];

    const std::array<long, kResultCount + 1> expected{0,    2062860, 337920, 123552, 54912, 10200,
                                                      5108, 3744,    624,    36,     4};
    EXPECT_EQ(count, expected);
}
