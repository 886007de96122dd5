#include "odds/combinatorics.h"
#include "odds/deal_player.h"
#include "odds/hand_table.h"
#include "odds/hold_analysis.h"
#include "odds/return_calculator.h"
#include "odds/subset_counts.h"
#include "test_hands.h"

#include <gtest/gtest.h>

#include <bit>

using odds::HandResult;
using odds::PayTable;

namespace {

std::uint64_t weightedCount(const odds::ReturnReport& report, HandResult result) {
    return report.weighted[static_cast<std::size_t>(odds::resultIndex(result))];
}

// The game's net table written as payouts including the stake.
PayTable gameAsGross() {
    return *PayTable::make("game as gross", odds::PayBasis::Gross,
                           {0, 3, 4, 6, 11, 21, 51, 101, 201, 501});
}

} // namespace

TEST(ReturnCalculator, NineSixJacksOrBetterMatchesThePublishedExactReturn) {
    const odds::ReturnReport report = odds::computeReturn(PayTable::jacksOrBetter96());
    EXPECT_EQ(report.returnFraction(), odds::Fraction(1653526326983, 1661102543100));
    EXPECT_EQ(report.returnFraction().decimal(10), "0.9954390437");
    EXPECT_EQ(report.total, 19'933'230'517'200u);
    EXPECT_EQ(weightedCount(report, HandResult::RoyalFlush), 493'512'264u);
    EXPECT_EQ(weightedCount(report, HandResult::Nothing), 10'872'274'993'896u);
    std::uint64_t sum = 0;
    for (std::uint64_t count : report.weighted)
        sum += count;
    EXPECT_EQ(sum, report.total);
}

TEST(ReturnCalculator, NetAndGrossFormsOfATableAgree) {
    std::vector<double> shares;
    const odds::ReturnReport net = odds::computeReturn(
        PayTable::game(), [&](double share) { shares.push_back(share); }, 2);
    const odds::ReturnReport gross = odds::computeReturn(gameAsGross());
    EXPECT_EQ(net.weighted, gross.weighted);
    EXPECT_EQ(net.returnFraction(), gross.returnFraction());
    // The generous table returns more than it takes.
    EXPECT_GT(net.returnFraction().numerator(), net.returnFraction().denominator());

    ASSERT_FALSE(shares.empty());
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.front(), 0.0);
    EXPECT_EQ(shares.back(), 1.0);
}

TEST(ReturnCalculator, AFlatTableReturnsExactlyItsPay) {
    // Every hold ties, so the tie-break alone picks the holds; the return cannot depend on it.
    const auto flat = PayTable::make("flat", odds::PayBasis::Gross, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    ASSERT_TRUE(flat.has_value());
    const odds::ReturnReport report = odds::computeReturn(*flat, {}, 2);
    EXPECT_EQ(report.returnFraction(), odds::Fraction(3, 1));
    // Ties go to the better results, so royal flushes are chased far above nine-six's rate.
    EXPECT_GT(weightedCount(report, HandResult::RoyalFlush), 10 * 493'512'264u);
}

// The fast player and the per-hand analysis reach their answers by different routes; they must
// pick holds with the same outcomes, whatever the suits are called or the slots hold.
TEST(DealPlayer, AgreesWithThePerHandAnalysis) {
    const PayTable tables[] = {
        PayTable::jacksOrBetter96(),
        PayTable::game(),
        *PayTable::make("flat", odds::PayBasis::Gross, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}),
        *PayTable::make("odd", odds::PayBasis::Net, {-1, 0, 7, -3, 40, 2, 0, 900, 0, -50}),
    };
    odds::test::DealSource deals(3);
    std::vector<odds::Hand> hands = {odds::test::handOf("AS AH AD AC 2C"),
                                     odds::test::handOf("TH JH QH KH 9H"),
                                     odds::test::handOf("2C 3D 7S 8H 9C")};
    for (int i = 0; i < 5; ++i)
        hands.push_back(deals.next());
    for (const PayTable& table : tables) {
        odds::DealPlayer player(table.grossPays(), odds::HandTable::instance(),
                                odds::SubsetCounts::instance());
        for (const odds::Hand& hand : hands) {
            const odds::HoldOutcome best = odds::analyseHand(hand, table).best();
            odds::HandIndices ascending{};
            for (std::size_t j = 0; j < hand.size(); ++j)
                ascending[j] = odds::indexOf(hand[j]);
            std::sort(ascending.begin(), ascending.end());
            const odds::HoldScore fast = player.bestHold(ascending);
            EXPECT_EQ(fast.scaledValue, best.grossTotal * odds::drawWeight(best.drawn))
                << table.name() << " " << odds::cardName(hand[0]);
            for (std::size_t r = 0; r < best.counts.size(); ++r)
                EXPECT_EQ(fast.scaledCounts[r], best.counts[r] * odds::drawWeight(best.drawn))
                    << table.name() << " " << odds::cardName(hand[0]) << " result " << r;
            EXPECT_EQ(std::popcount(fast.mask), odds::kHandSize - best.drawn);
        }
    }
}
