#include "engine/card.h"
#include "engine/game.h"
#include "engine/random_below.h"
#include "engine/spoken_names.h"
#include "engine/utc_clock.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <set>
#include <string>
#include <vector>

using namespace engine;

namespace {

// A game whose clock reads whatever the test puts in `now`, counting the readings.
struct DeckFixture : ::testing::Test {
    std::uint32_t now = 0;
    int readings = 0;
    RecordingView view;
    Game game{view, [this] {
                  ++readings;
                  return now;
              }};

    std::vector<CardCode> Top(int n) const {
        return {game.Deck.begin() + 1, game.Deck.begin() + 1 + n};
    }
};

} // namespace

TEST(Cards, SuitAndRankAtTheSuitBoundaries) {
    const int cases[][3] = {{1, 1, Ace},  {13, 1, King},  {14, 2, Ace},
                            {40, 4, Ace}, {51, 4, Queen}, {52, 4, King}};
    for (const auto& [code, suit, rank] : cases) {
        EXPECT_EQ(SuitOf(code), suit) << code;
        EXPECT_EQ(RankOf(code), rank) << code;
    }
    for (CardCode c = 1; c <= kDeckSize; ++c)
        EXPECT_EQ(CardOf(SuitOf(c), RankOf(c)), c);
}

TEST(Cards, SpokenNamesFollowTheCardCodes) {
    EXPECT_EQ(CardName(1), "ace of clubs");
    EXPECT_EQ(CardName(23), "ten of diamonds");
    EXPECT_EQ(CardName(37), "jack of hearts");
    EXPECT_EQ(CardName(52), "king of spades");
    std::set<std::string> names;
    for (CardCode c = 1; c <= kDeckSize; ++c)
        names.insert(SlotPictureName(c));
    EXPECT_EQ(names.size(), 52u);
    EXPECT_EQ(SlotPictureName(kEmptySlotPicture), "empty");
    EXPECT_EQ(CardName(0), "");
    EXPECT_EQ(CardName(53), "");
}

TEST(RandomBelow, FollowsTheGeneratorFromStateZero) {
    std::uint32_t state = 0;
    const std::uint32_t expectedStates[] = {1, 134775814, 3698175007u};
    std::vector<std::uint32_t> results;
    for (int i = 0; i < 5; ++i) {
        results.push_back(RandomBelow(state, 51));
        if (i < 3) {
            EXPECT_EQ(state, expectedStates[i]);
        }
    }
    EXPECT_EQ(results, (std::vector<std::uint32_t>{0, 1, 43, 10, 13}));
}

TEST(RandomBelow, StaysBelowItsBound) {
    std::uint32_t state = 45296789;
    for (int i = 0; i < 200000; ++i)
        ASSERT_LT(RandomBelow(state, 51), 51u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(RandomBelow(state, 1), 0u);
    EXPECT_EQ(RandomBelow(state, 0), 0u); // no range at all: defined, not a division by zero
    state = 0xFFFFFFFFu;                  // steps to the largest product the scaling sees
    EXPECT_LT(RandomBelow(state, 0xFFFFFFFFu), 0xFFFFFFFFu);
}

TEST_F(DeckFixture, ShuffleOfTheOrderedDeckMatchesKnownOrders) {
    game.ResetDeck();
    now = 0;
    game.ShuffleDeck();
    EXPECT_EQ(Top(10), (std::vector<CardCode>{50, 23, 30, 25, 52, 2, 14, 5, 47, 11}));

    game.ResetDeck();
    now = MillisecondsOfDay(12, 34, 56, 789);
    EXPECT_EQ(now, 45296789u);
    game.ShuffleDeck();
    EXPECT_EQ(Top(10), (std::vector<CardCode>{18, 4, 40, 52, 48, 6, 23, 26, 32, 29}));
    EXPECT_EQ(readings, 2); // every shuffle reseeds
}

TEST_F(DeckFixture, ShufflePermutesWhateverTheDeckHoldsAndRewinds) {
    for (int i = 1; i <= kDeckSize; ++i)
        game.Deck[i] = kDeckSize + 1 - i; // not in order: the shuffle must not sort first
    const auto before = game.Deck;
    game.DeckPos = 17;
    now = 777;
    game.ShuffleDeck();
    EXPECT_EQ(game.DeckPos, 1);
    EXPECT_NE(game.Deck, before);
    auto sorted = game.Deck;
    std::sort(sorted.begin() + 1, sorted.end());
    for (int i = 1; i <= kDeckSize; ++i)
        ASSERT_EQ(sorted[i], i);

    // Same millisecond of the day, same order: the date plays no part.
    const auto firstOrder = game.Deck;
    game.Deck = before;
    game.ShuffleDeck();
    EXPECT_EQ(game.Deck, firstOrder);
}

TEST_F(DeckFixture, ResetDeckOrdersCardsClearsMarksAndKeepsPosition) {
    game.Change = {0, 1, 1, 0, 1, 1};
    game.DeckPos = 9;
    game.ResetDeck();
    for (int i = 1; i <= kDeckSize; ++i)
        ASSERT_EQ(game.Deck[i], i);
    for (int slot = 1; slot <= kHandSize; ++slot)
        EXPECT_EQ(game.Change[slot], 0);
    EXPECT_EQ(game.DeckPos, 9);
}

TEST_F(DeckFixture, NextCardDealsInOrderAndWrapsAfterTheLast) {
    game.ResetDeck();
    game.DeckPos = 1;
    for (int i = 1; i <= kDeckSize; ++i)
        ASSERT_EQ(game.NextCard(), i);
    EXPECT_EQ(game.DeckPos, 1);
    EXPECT_EQ(game.NextCard(), 1);
    EXPECT_EQ(game.DeckPos, 2);

    // A position set out of range from outside restarts at the top instead of reading past it.
    for (const int pos : {0, 53, -7, 1000}) {
        game.DeckPos = pos;
        EXPECT_EQ(game.NextCard(), 1) << pos;
        EXPECT_EQ(game.DeckPos, 2) << pos;
    }
}

TEST(UtcClock, TimeOfDayInMilliseconds) {
    EXPECT_EQ(MillisecondsOfDay(0, 0, 0, 0), 0u);
    EXPECT_EQ(MillisecondsOfDay(23, 59, 59, 999), 86399999u);

    // The real clock agrees with the C library's UTC breakdown, not the local time. The
    // readings around it come from the same precise clock: std::time() may be served by a
    // coarse clock whose second starts a few milliseconds late.
    const auto millisecondOfDay = [] {
        std::timespec now{};
        std::timespec_get(&now, TIME_UTC);
        std::tm tm{};
        gmtime_r(&now.tv_sec, &tm);
        return MillisecondsOfDay(static_cast<std::uint32_t>(tm.tm_hour),
                                 static_cast<std::uint32_t>(tm.tm_min),
                                 static_cast<std::uint32_t>(tm.tm_sec),
                                 static_cast<std::uint32_t>(now.tv_nsec / 1'000'000));
    };
    const std::uint32_t before = millisecondOfDay();
    const std::uint32_t ms = SystemUtcMilliseconds();
    const std::uint32_t after = millisecondOfDay();
    ASSERT_LT(ms, kMillisecondsPerDay);
    const bool inWindow = ms >= before && ms <= after;
    const bool acrossMidnight = after < before;
    EXPECT_TRUE(inWindow || acrossMidnight) << before << " <= " << ms << " <= " << after;
}
