// Drills deal only hands of the asked chart line, shuffled honestly, and give up a line no
// deal can reach.
#include "../engine/recording_view.h"
#include "ui/trainer/drill.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

constexpr int kSpades = 4;

odds::Hand spadesFlushDraw() {
    return {engine::CardOf(kSpades, 2), engine::CardOf(kSpades, 5), engine::CardOf(kSpades, 8),
            engine::CardOf(kSpades, 9), engine::CardOf(2, 13)};
}

odds::HoldPattern patternOf(const odds::Game& game, const odds::Hand& hand, unsigned mask) {
    odds::HandIndices cards{};
    for (std::size_t slot = 0; slot < hand.size(); ++slot)
        cards[slot] = odds::indexOf(hand[slot]);
    return odds::holdPattern(game.scheme(), cards, mask);
}

// The suit four or five of the cards share, 0 when none does.
int fourOfASuit(const odds::Hand& hand) {
    std::map<int, int> suits;
    for (engine::CardCode card : hand)
        ++suits[engine::SuitOf(card)];
    for (auto [suit, count] : suits)
        if (count >= 4)
            return suit;
    return 0;
}

class DrillTest : public ::testing::Test {
protected:
    odds::Game oddsGame = odds::Game::fromTable(odds::PayTable::game());
    odds::HoldPattern flushDraw = patternOf(oddsGame, spadesFlushDraw(), 0b01111);
    odds::HoldPattern nothing = patternOf(oddsGame, spadesFlushDraw(), 0);
    RecordingView view;
    std::uint32_t tick = 1000;
    engine::Game game{view, [this] { return ++tick; }};
};

// A chart of one line, four to a flush, and "draw five" after it: every drilled deal has four
// cards of a suit, and the deals differ, in every suit.
TEST_F(DrillTest, DealsOnlyTheAskedLineAndManyDealsOfIt) {
    auto chart = std::make_shared<const odds::StrategyChart>(
        oddsGame, std::vector<odds::HoldPattern>{flushDraw});
    trainer::Drill drill(chart, {0});
    constexpr int kDeals = 200;
    std::set<odds::Hand> deals;
    std::set<int> suits;
    for (int i = 0; i < kDeals; ++i) {
        game.ResetDeck();
        game.ShuffleDeck();
        ASSERT_TRUE(drill.arrange(game));
        odds::Hand dealt{game.Deck[1], game.Deck[2], game.Deck[3], game.Deck[4], game.Deck[5]};
        ASSERT_NE(fourOfASuit(dealt), 0) << i;
        suits.insert(fourOfASuit(dealt));
        deals.insert(dealt);
    }
    // Of the 2.5% of deals with four to a flush there are 111,540 (in slot order, far more):
    // a fair drill repeats almost none in 200.
    EXPECT_GE(deals.size(), kDeals - 2u);
    EXPECT_EQ(suits.size(), 4u);

    // Through the game's own deal: the hook orders the deck before the cards are dealt.
    game.FormCreate();
    game.ArrangeDeck = [&drill](engine::Game& g) { drill.arrange(g); };
    game.Mazzo1Click();
    EXPECT_NE(fourOfASuit({game.Hand[1], game.Hand[2], game.Hand[3], game.Hand[4], game.Hand[5]}),
              0);
}

// Three right in a row end a line; a mistake starts the count again.
TEST_F(DrillTest, ALineEndsAfterThreeRightInARow) {
    auto chart = std::make_shared<const odds::StrategyChart>(
        oddsGame, std::vector<odds::HoldPattern>{flushDraw});
    trainer::Drill drill(chart, {0, 1});
    drill.judged(true);
    drill.judged(true);
    drill.judged(false);
    drill.judged(true);
    drill.judged(true);
    EXPECT_EQ(drill.line(), 0);
    EXPECT_NE(drill.StatusText().find("2 of 3 right in a row"), std::string::npos);
    drill.judged(true);
    EXPECT_EQ(drill.line(), 1);
}

// "Draw five new cards" first: no deal ever reaches the flush line after it. The drill says
// so after its bounded shuffles and ends instead of looping.
TEST_F(DrillTest, ALineNoDealReachesIsGivenUp) {
    auto chart = std::make_shared<const odds::StrategyChart>(
        oddsGame, std::vector<odds::HoldPattern>{nothing, flushDraw});
    ASSERT_EQ(chart->lines().size(), 2u);
    trainer::Drill drill(chart, {1}, 500);
    game.ResetDeck();
    game.ShuffleDeck();
    EXPECT_FALSE(drill.arrange(game));
    EXPECT_TRUE(drill.done());
    EXPECT_NE(drill.problem().find("No deal came under rule 2"), std::string::npos)
        << drill.problem();
    EXPECT_NE(drill.StatusText().find("drill over"), std::string::npos);
}

} // namespace
