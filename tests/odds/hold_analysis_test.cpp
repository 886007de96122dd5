#include "odds/combinatorics.h"
#include "odds/hand_classifier.h"
#include "odds/hold_analysis.h"
#include "test_hands.h"

#include <gtest/gtest.h>

#include <bit>
#include <numeric>

using odds::Hand;
using odds::HandResult;
using odds::PayTable;
using odds::test::handOf;

namespace {

// Final results of one hold found the plain way: every draw from the unseen cards.
odds::PerResult<std::uint32_t> drawEveryReplacement(const Hand& hand, unsigned mask) {
    std::vector<int> unseen;
    for (int card = 0; card < odds::kDeckSize; ++card)
        if (std::find(hand.begin(), hand.end(), odds::codeOf(card)) == hand.end())
            unseen.push_back(card);
    odds::HandIndices final{};
    int kept = 0;
    for (std::size_t slot = 0; slot < hand.size(); ++slot)
        if (mask & (1u << slot))
            final[static_cast<std::size_t>(kept++)] = odds::indexOf(hand[slot]);
    odds::PerResult<std::uint32_t> counts{};
    const auto draw = [&](auto&& self, int filled, std::size_t from) -> void {
        if (filled == odds::kHandSize) {
            ++counts[static_cast<std::size_t>(odds::resultIndex(odds::classifyIndices(final)))];
            return;
        }
        for (std::size_t i = from; i < unseen.size(); ++i) {
            final[static_cast<std::size_t>(filled)] = unseen[i];
            self(self, filled + 1, i + 1);
        }
    };
    draw(draw, kept, 0);
    return counts;
}

unsigned maskOf(const Hand& hand, const std::string& kept) {
    unsigned mask = 0;
    std::istringstream words(kept);
    std::string word;
    while (words >> word)
        for (std::size_t slot = 0; slot < hand.size(); ++slot)
            if (odds::parseCard(word) == hand[slot])
                mask |= 1u << slot;
    return mask;
}

} // namespace

TEST(HoldAnalysis, OnePassAgreesWithDrawingEveryReplacement) {
    odds::test::DealSource deals(11);
    for (int i = 0; i < 6; ++i) {
        const Hand hand = deals.next();
        const auto counts = odds::countHolds(hand);
        for (unsigned mask = 0; mask < odds::kHoldCount; ++mask) {
            if (std::popcount(mask) < 2)
                continue; // deep draws are covered below, once
            EXPECT_EQ(counts[mask], drawEveryReplacement(hand, mask))
                << odds::cardName(hand[0]) << " mask " << mask;
        }
    }
    const Hand hand = handOf("AS KS 7D 7C 2H");
    EXPECT_EQ(odds::countHolds(hand)[0], drawEveryReplacement(hand, 0));
}

TEST(HoldAnalysis, EveryDeckHandIsReachedByExactlyOneHold) {
    const auto counts = odds::countHolds(handOf("2C 7D 9H JS KS"));
    std::uint64_t all = 0;
    for (unsigned mask = 0; mask < odds::kHoldCount; ++mask) {
        const auto draws = std::accumulate(counts[mask].begin(), counts[mask].end(), 0u);
        EXPECT_EQ(draws, odds::Binomials::choose(odds::kUnseenCards,
                                                 odds::kHandSize - std::popcount(mask)));
        all += draws;
    }
    EXPECT_EQ(all, odds::kFiveCardHands);
}

TEST(HoldAnalysis, PlaysTheKnownBestHolds) {
    const PayTable nineSix = PayTable::jacksOrBetter96();
    const struct {
        const char* hand;
        const char* hold;
    } cases[] = {
        {"TH JH QH KH AH", "TH JH QH KH AH"}, // a dealt royal stands
        {"AS KS QS JS 3S", "AS KS QS JS"},    // four to a royal over a made flush
        {"AS KS QS JS TD", "AS KS QS JS"},    // ... and over a made straight
        {"9C TC JC QC KC", "9C TC JC QC KC"}, // a dealt straight flush stands
        {"KC KD KH 3S 3C", "KC KD KH 3S 3C"}, // a full house stands
        {"7C 7D 7H 2S KC", "7C 7D 7H"},       // three of a kind draws two
        {"5C 5D 5H 5S KC", "5C 5D 5H 5S"},    // the kicker is worth nothing: keep fewer
        {"JC JD 2S 5S 9S", "JC JD"},          // a high pair over three to a flush
        {"QS QD 2S 5S 9S", "QS QD"},          // ... and over four to a flush
        {"4C 4D 5S 6H 7C", "4C 4D"},          // a low pair over an open-ended straight
        {"2C 3D 7S 8H 9C", "--"},             // nothing worth keeping
    };
    for (const auto& c : cases) {
        const Hand hand = handOf(c.hand);
        const auto analysis = odds::analyseHand(hand, nineSix);
        EXPECT_EQ(analysis.best().mask, maskOf(hand, c.hold)) << c.hand;
    }
}

TEST(HoldAnalysis, RanksHoldsByValueWithTheStatedTieBreak) {
    const auto analysis = odds::analyseHand(handOf("AS AH AD AC 2C"), PayTable::game());
    for (std::size_t i = 1; i < analysis.holds.size(); ++i) {
        const odds::Fraction earlier = analysis.holds[i - 1].grossValue();
        const odds::Fraction later = analysis.holds[i].grossValue();
        EXPECT_GE(earlier.numerator() * later.denominator(),
                  later.numerator() * earlier.denominator())
            << i;
    }
    // Keeping the quads with or without the kicker pays the same; the shorter hold comes first.
    EXPECT_EQ(analysis.holds[0].mask, 0b01111u);
    EXPECT_EQ(analysis.holds[1].mask, 0b11111u);
    EXPECT_EQ(analysis.holds[0].grossValue(), analysis.holds[1].grossValue());
}

TEST(HoldAnalysis, ValuesHoldsInTheTablesOwnTerms) {
    const Hand hand = handOf("AS KS QS JS 2D");
    const PayTable net = PayTable::game();
    const auto gross = PayTable::make("game as gross", odds::PayBasis::Gross,
                                      {0, 3, 4, 6, 11, 21, 51, 101, 201, 501});
    ASSERT_TRUE(gross.has_value());
    const auto a = odds::analyseHand(hand, net);
    const auto b = odds::analyseHand(hand, *gross);
    for (std::size_t i = 0; i < a.holds.size(); ++i) {
        EXPECT_EQ(a.holds[i].mask, b.holds[i].mask);
        EXPECT_EQ(a.holds[i].grossValue(), b.holds[i].value(odds::PayBasis::Gross));
        const odds::Fraction netValue = a.holds[i].value(odds::PayBasis::Net);
        const odds::Fraction grossValue = a.holds[i].grossValue();
        EXPECT_EQ(netValue.numerator() + netValue.denominator(), grossValue.numerator());
    }
    // One royal, eight other flushes, three straights, twelve pairs of jacks or better.
    const odds::HoldOutcome& best = a.best();
    EXPECT_EQ(best.counts[static_cast<std::size_t>(odds::resultIndex(HandResult::RoyalFlush))], 1u);
    EXPECT_EQ(best.counts[static_cast<std::size_t>(odds::resultIndex(HandResult::Flush))], 8u);
    EXPECT_EQ(best.value(odds::PayBasis::Net),
              odds::Fraction(500 + 8 * 20 + 3 * 10 + 12 * 2 - 23, 47));
}

TEST(HoldAnalysis, RefusesAnInvalidHand) {
    EXPECT_THROW(odds::countHolds({1, 2, 3, 4, 4}), std::invalid_argument);
    EXPECT_THROW(odds::analyseHand({1, 2, 3, 4, 60}, PayTable::game()), std::invalid_argument);
}
