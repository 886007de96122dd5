// The coach on its own, fed the round's steps as the game tells them: exact values written so
// that signs, small amounts and mistakes read true, with the units in the right number.
#include "odds/hold_analysis.h"
#include "odds/hold_pattern.h"
#include "odds/pay_table.h"
#include "ui/trainer/bets_text.h"
#include "ui/trainer/coach.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Cards = std::array<engine::CardCode, 5>;

// By card code: clubs 1..13, diamonds 14..26, hearts 27..39, spades 40..52 (ace low).
constexpr Cards kJackNineOffsuit{50, 20, 21, 44, 9}; // J♠ 7♦ 8♦ 5♠ 9♣
constexpr Cards kNearTie{50, 12, 49, 31, 48};        // J♠ Q♣ 10♠ 5♥ 9♠

void play(trainer::Coach& coach, const Cards& dealt, unsigned held) {
    coach.Follow({.step = engine::RoundStep::Dealt, .dealt = dealt, .hand = dealt});
    coach.Follow({.step = engine::RoundStep::Drawn, .dealt = dealt, .hand = dealt, .held = held});
}

// The hand: J♠ 9♣ is worth -24/5405 bet, which two places round to nothing.
TEST(Coach, ANegativeValueKeepsItsSign) {
    trainer::Coach coach;
    play(coach, kJackNineOffsuit, 0b10001);
    ASSERT_TRUE(coach.judged());
    EXPECT_EQ(coach.judged()->value, odds::Fraction(-24, 5405));
    EXPECT_EQ(coach.FirstLine(), "You kept J♠ 9♣ — -0.0044 bets");
}

// Keeping the queen with three to a straight flush is worth less than the three alone, by an
// amount that two places round to nothing: the values still differ on the strip and so does
// the cost from zero, in the verdict and in the tally.
TEST(Coach, ATinyMistakeShowsItsCost) {
    trainer::Coach coach;
    play(coach, kNearTie, 0b10111);
    ASSERT_TRUE(coach.judged());
    const trainer::Judgement& judged = *coach.judged();
    ASSERT_EQ(judged.best, 0b10101u);
    ASSERT_GT(judged.cost.numerator(), 0);
    EXPECT_EQ(judged.cost.decimal(2), "0.00");
    const std::string kept = coach.FirstLine().substr(coach.FirstLine().find("— ") + 4);
    const std::string best = coach.SecondLine().substr(coach.SecondLine().find("— ") + 4);
    EXPECT_NE(kept, best.substr(0, best.find(';')));
    EXPECT_TRUE(coach.SecondLine().starts_with("✗ Best: keep J♠ 10♠ 9♠"));
    const std::string cost = coach.SecondLine().substr(coach.SecondLine().find("cost ") + 5);
    EXPECT_GT(std::stod(cost), 0.0) << cost;
    EXPECT_EQ(cost, judged.cost.decimal(4) + " bets");
    EXPECT_NE(coach.TallyLine().find("Given away " + judged.cost.decimal(4) + " bets"),
              std::string::npos)
        << coach.TallyLine();
}

// Over the holds of many deals: every value prints with the sign of its exact value, no cost
// prints as zero, and two different values shown side by side never print the same.
TEST(BetsText, EveryHoldOfManyDealsReadsTrue) {
    std::mt19937 random(23);
    const odds::PayTable table = odds::PayTable::game();
    int smallValues = 0;
    for (int deal = 0; deal < 150; ++deal) {
        std::array<engine::CardCode, 52> deck{};
        for (int i = 0; i < 52; ++i)
            deck[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(deck.begin(), deck.end(), random);
        const Cards hand{deck[0], deck[1], deck[2], deck[3], deck[4]};
        const odds::HandAnalysis analysis = odds::analyseHand(hand, table);
        const odds::Fraction best = analysis.best().value(odds::PayBasis::Net);
        for (const odds::HoldOutcome& hold : analysis.holds) {
            const odds::Fraction value = hold.value(odds::PayBasis::Net);
            const std::string shown = trainer::signedBets(value, trainer::placesFor(value));
            const int sign = value.numerator() > 0 ? 1 : value.numerator() < 0 ? -1 : 0;
            EXPECT_EQ(shown[0] == '+' ? 1 : shown[0] == '-' ? -1 : 0, sign) << shown;
            EXPECT_EQ(std::stod(shown) == 0.0, sign == 0) << shown;
            smallValues += sign != 0 && value.decimal(2).ends_with("0.00");

            const odds::Fraction cost = trainer::minus(best, value);
            const std::string costShown = trainer::bets(cost, trainer::placesFor(cost));
            EXPECT_EQ(std::stod(costShown) == 0.0, cost.numerator() == 0) << costShown;

            const int places = trainer::placesToTellApart(value, best);
            EXPECT_EQ(trainer::signedBets(value, places) == trainer::signedBets(best, places),
                      value == best);
        }
    }
    EXPECT_GT(smallValues, 0) << "no deal had a value two places hide";
}

TEST(BetsText, OneBetIsSingularAnyOtherAmountPlural) {
    EXPECT_EQ(trainer::bets(odds::Fraction(1, 1), 2), "1.00 bet");
    EXPECT_EQ(trainer::signedBets(odds::Fraction(-1, 1), 2), "-1.00 bet");
    EXPECT_EQ(trainer::bets(odds::Fraction(13, 10), 2), "1.30 bets");
    EXPECT_EQ(trainer::bets(odds::Fraction(1, 2), 2), "0.50 bets");
    EXPECT_EQ(trainer::bets(odds::Fraction(0, 1), 2), "0.00 bets");
    EXPECT_EQ(trainer::signedBets(odds::Fraction(11, 1), 2), "+11.00 bets");
}

// With a chart, the hint and the verdict name its rule for the deal, and a mistake the rule
// the player followed instead. A two-line chart of the test's own: a made flush first, then
// four to a royal flush (the game's own table pays the flush more than the draw is worth).
TEST(Coach, HintsAndVerdictsNameTheChartsRules) {
    const odds::Game game = odds::Game::fromTable(odds::PayTable::game());
    const Cards flushWithRoyalDraw{37, 39, 38, 32, 36}; // J♥ K♥ Q♥ 6♥ 10♥
    odds::HandIndices cards{};
    for (std::size_t i = 0; i < cards.size(); ++i)
        cards[i] = odds::indexOf(flushWithRoyalDraw[i]);
    const auto chart = std::make_shared<const odds::StrategyChart>(
        game, std::vector<odds::HoldPattern>{odds::holdPattern(game.scheme(), cards, 0b11111),
                                             odds::holdPattern(game.scheme(), cards, 0b10111)});
    ASSERT_GE(chart->lines().size(), 2u);
    const std::string rule1 = "Rule 1: " + chart->lines()[0].text;

    trainer::Coach coach;
    coach.setChart(chart);
    coach.Follow({.step = engine::RoundStep::Dealt,
                  .dealt = flushWithRoyalDraw,
                  .hand = flushWithRoyalDraw});
    EXPECT_EQ(coach.ChartLine(), ""); // nothing before the hint
    coach.Hint();
    EXPECT_EQ(coach.ChartLine(), rule1);
    coach.Follow({.step = engine::RoundStep::Drawn,
                  .dealt = flushWithRoyalDraw,
                  .hand = flushWithRoyalDraw,
                  .held = 0b10111});
    EXPECT_EQ(coach.ChartLine(), rule1 + "; you played rule 2");
    EXPECT_EQ(coach.judged()->chartLine, 1);
    EXPECT_EQ(coach.ChartRule(), 0);

    // Kept nothing the chart names (a pair of nothing): the verdict says so.
    play(coach, flushWithRoyalDraw, 0b00011);
    EXPECT_EQ(coach.ChartLine(), rule1 + "; no rule keeps what you kept");
}

// The coach only believes a deal of five different cards; anything else must not reach the
// analyser, which refuses it by throwing.
TEST(Coach, NoAdviceWithoutFiveDifferentCards) {
    trainer::Coach coach;
    EXPECT_NO_THROW(play(coach, {1, 2, 3, 4, 63}, 0)); // the empty slot's picture
    EXPECT_FALSE(coach.CanHint());
    EXPECT_NO_THROW(play(coach, {1, 2, 3, 4, 4}, 0)); // a repeated card
    EXPECT_FALSE(coach.CanHint());
    EXPECT_EQ(coach.tally().hands, 0);
}

} // namespace
