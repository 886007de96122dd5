#include "odds/combinatorics.h"
#include "odds/deal_classes.h"
#include "odds/hand_table.h"
#include "odds/subset_counts.h"
#include "test_hands.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using SetCounts = std::vector<odds::PerResult<std::uint32_t>>;

// Counts the hands containing each set straight from the scored table, in one slow pass.
SetCounts countContaining(const std::vector<std::vector<int>>& sets) {
    std::vector<std::uint64_t> masks;
    for (const auto& set : sets) {
        std::uint64_t mask = 0;
        for (int card : set)
            mask |= std::uint64_t{1} << card;
        masks.push_back(mask);
    }
    SetCounts counts(sets.size());
    const auto& table = odds::HandTable::instance();
    odds::HandIndices hand = {0, 1, 2, 3, 4};
    std::uint32_t colex = 0;
    do {
        std::uint64_t handMask = 0;
        for (int card : hand)
            handMask |= std::uint64_t{1} << card;
        const auto r = static_cast<std::size_t>(odds::resultIndex(table.at(colex++)));
        for (std::size_t i = 0; i < masks.size(); ++i)
            if ((handMask & masks[i]) == masks[i])
                ++counts[i][r];
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
    const SetCounts expected = countContaining(sets);
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const std::uint32_t* got =
            subsets.counts(static_cast<int>(sets[i].size()), colexOf(sets[i]));
        for (std::size_t r = 0; r < expected[i].size(); ++r)
            EXPECT_EQ(got[r], expected[i][r]) << "set " << i << ", result " << r;
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
