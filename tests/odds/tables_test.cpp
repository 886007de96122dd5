#include "odds/combinatorics.h"
#include "odds/deal_classes.h"
#include "odds/hand_table.h"
#include "odds/subset_counts.h"
#include "test_hands.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Counts the hands containing `ascending` straight from the scored table, the slow way.
odds::PerResult<std::uint32_t> countContaining(const std::vector<int>& ascending) {
    odds::PerResult<std::uint32_t> counts{};
    const auto& table = odds::HandTable::instance();
    odds::HandIndices hand = {0, 1, 2, 3, 4};
    std::uint32_t colex = 0;
    do {
        const bool contains = std::all_of(ascending.begin(), ascending.end(), [&](int card) {
            return std::find(hand.begin(), hand.end(), card) != hand.end();
        });
        if (contains)
            ++counts[static_cast<std::size_t>(odds::resultIndex(table.at(colex)))];
        ++colex;
    } while (odds::nextColex(hand.data(), odds::kHandSize));
    return counts;
}

std::uint32_t colexOf(const std::vector<int>& ascending) {
    std::uint32_t index = 0;
    for (std::size_t j = 0; j < ascending.size(); ++j)
        index += odds::Binomials::choose(ascending[j], static_cast<int>(j) + 1);
    return index;
}

} // namespace

TEST(SubsetCounts, MatchCountingTheHandsThatContainEachSet) {
    const auto& subsets = odds::SubsetCounts::instance();
    // Sets of every size, with royal cards, low cards and the extremes of the deck.
    const std::vector<std::vector<int>> sets = {
        {},
        {0},
        {51},
        {9, 12},
        {0, 13},
        {9, 10, 11},
        {1, 14, 27},
        {0, 9, 10, 11},
        {4, 5, 6, 7},
        {12, 25, 38, 51},
        {2, 20, 33, 50},
    };
    for (const auto& set : sets) {
        const std::uint32_t* got = subsets.counts(static_cast<int>(set.size()), colexOf(set));
        const auto expected = countContaining(set);
        for (std::size_t r = 0; r < expected.size(); ++r)
            EXPECT_EQ(got[r], expected[r]) << "set of " << set.size() << ", result " << r;
    }
}

TEST(DealClasses, PartitionTheDealsUnderSuitRenaming) {
    const auto& classes = odds::dealClasses();
    EXPECT_EQ(classes.size(), 134'459u);

    // Key a deal by its per-suit rank sets, sorted: the same for every renaming of suits.
    const auto key = [](const odds::HandIndices& cards) {
        std::array<unsigned, odds::kSuitCount> suits{};
        for (int card : cards)
            suits[static_cast<std::size_t>(odds::suitOfIndex(card))] |= 1u
                                                                        << odds::rankOfIndex(card);
        std::sort(suits.begin(), suits.end());
        std::uint64_t packed = 0;
        for (unsigned s : suits)
            packed = packed << 13 | s;
        return packed;
    };
    std::map<std::uint64_t, std::int64_t> remaining;
    for (const auto& deal : classes) {
        EXPECT_TRUE(std::is_sorted(deal.cards.begin(), deal.cards.end()));
        EXPECT_TRUE(remaining.emplace(key(deal.cards), deal.weight).second)
            << "two representatives of one class";
    }
    odds::HandIndices hand = {0, 1, 2, 3, 4};
    std::size_t strays = 0;
    do {
        const auto it = remaining.find(key(hand));
        if (it == remaining.end())
            ++strays;
        else
            --it->second;
    } while (odds::nextColex(hand.data(), odds::kHandSize));
    EXPECT_EQ(strays, 0u);
    for (const auto& [packed, left] : remaining)
        ASSERT_EQ(left, 0) << "class weight does not match its deals";
}
