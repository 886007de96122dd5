#include "engine/hand_evaluator.h"
#include "odds/combinatorics.h"
#include "odds/hand_classifier.h"
#include "odds/hand_table.h"

#include <gtest/gtest.h>

// The analyser scores hands with its own table-driven classifier; the game settles them with
// the engine's evaluator. They must never disagree, or the odds would describe another game.
TEST(EngineAgreement, EveryHandGetsTheGamesResult) {
    const auto& table = odds::HandTable::instance();
    odds::HandIndices cards = {0, 1, 2, 3, 4};
    std::uint32_t colex = 0;
    std::uint32_t disagreements = 0;
    do {
        // Hand the engine the cards highest first, the reverse of the table's order.
        std::array<engine::CardCode, engine::kHandSize> codes{};
        for (std::size_t i = 0; i < codes.size(); ++i)
            codes[i] = odds::codeOf(cards[codes.size() - 1 - i]);
        const int expected = engine::EvaluateCards(codes);
        if (expected != static_cast<int>(table.at(colex)) && ++disagreements <= 5)
            ADD_FAILURE() << "hand " << colex << ": engine " << expected << ", analyser "
                          << static_cast<int>(table.at(colex));
        ++colex;
    } while (odds::nextColex(cards.data(), odds::kHandSize));
    EXPECT_EQ(colex, odds::kFiveCardHands);
    EXPECT_EQ(disagreements, 0u);
}

TEST(EngineAgreement, BothRefuseTheSameBadHands) {
    const odds::Hand bad[] = {{1, 1, 2, 3, 4}, {0, 2, 3, 4, 5}, {1, 2, 3, 4, 53}};
    for (const odds::Hand& hand : bad) {
        EXPECT_EQ(engine::EvaluateCards(hand), engine::NoResult);
        EXPECT_FALSE(odds::classifyHand(hand).has_value());
    }
}
