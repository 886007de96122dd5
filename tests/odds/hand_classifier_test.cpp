#include "odds/combinatorics.h"
#include "odds/hand_classifier.h"
#include "odds/hand_table.h"
#include "test_hands.h"

#include <gtest/gtest.h>

using odds::HandResult;
using odds::test::handOf;

TEST(HandClassifier, ClassifiesTheBoundaryHands) {
    const struct {
        const char* hand;
        HandResult result;
    } cases[] = {
        {"AC 2D 3H 4S 5C", HandResult::Straight},      // ace low
        {"AS 2S 3S 4S 5S", HandResult::StraightFlush}, // ace low, suited: not royal
        {"TH JH QH KH AH", HandResult::RoyalFlush},    // only ten to ace suited
        {"TH JD QH KH AH", HandResult::Straight},      // ace high, mixed
        {"9C TC JC QC KC", HandResult::StraightFlush}, // king high
        {"QC KD AH 2S 3C", HandResult::Nothing},       // runs do not wrap round the ace
        {"JC JD 2H 5S 9C", HandResult::JacksOrBetter}, // lowest paying pair
        {"AC AD 2H 5S 9C", HandResult::JacksOrBetter}, // the ace pairs high
        {"TC TD 2H 5S 9C", HandResult::Nothing},       // tens do not pay
        {"2C 2D 3H 3S 9C", HandResult::TwoPair},       // low pairs still make two pair
        {"KC KD KH 3S 3C", HandResult::FullHouse},
        {"5C 5D 5H 5S KC", HandResult::FourOfAKind},
        {"AC AD AH AS 2C", HandResult::FourOfAKind},
        {"7C 7D 7H 2S KC", HandResult::ThreeOfAKind},
        {"2H 5H 9H JH KH", HandResult::Flush},
        {"2H 3H 4H 5H 7H", HandResult::Flush}, // one short of a run
        {"2C 3D 4H 5S 7C", HandResult::Nothing},
    };
    for (const auto& c : cases) {
        const auto result = odds::classifyHand(handOf(c.hand));
        ASSERT_TRUE(result.has_value()) << c.hand;
        EXPECT_EQ(*result, c.result) << c.hand;
    }
}

TEST(HandClassifier, RefusesWhatIsNotFiveDistinctCards) {
    EXPECT_FALSE(odds::classifyHand({1, 2, 3, 4, 4}).has_value());
    EXPECT_FALSE(odds::classifyHand({0, 2, 3, 4, 5}).has_value());
    EXPECT_FALSE(odds::classifyHand({1, 2, 3, 4, 53}).has_value());
    EXPECT_FALSE(odds::classifyHand({-7, 2, 3, 4, 5}).has_value());
    EXPECT_TRUE(odds::classifyHand({1, 14, 27, 40, 52}).has_value());
}

// The table holds every hand once, in colex order, and its results fall as poker's counts.
TEST(HandTable, ScoresEveryHandAtItsColexPosition) {
    const auto& table = odds::HandTable::instance();
    ASSERT_EQ(table.results().size(), odds::kFiveCardHands);

    odds::PerResult<std::uint32_t> tally{};
    for (HandResult result : table.results())
        ++tally[static_cast<std::size_t>(odds::resultIndex(result))];
    const odds::PerResult<std::uint32_t> poker = {2'062'860, 337'920, 123'552, 54'912, 10'200,
                                                  5'108,     3'744,   624,     36,     4};
    EXPECT_EQ(tally, poker);

    odds::test::DealSource deals(7);
    for (int i = 0; i < 2000; ++i) {
        const odds::Hand hand = deals.next();
        odds::HandIndices cards{};
        for (std::size_t j = 0; j < cards.size(); ++j)
            cards[j] = odds::indexOf(hand[j]);
        std::sort(cards.begin(), cards.end());
        EXPECT_EQ(table.at(odds::colexIndex(cards)), odds::classifyHand(hand));
    }
}
