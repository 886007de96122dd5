#include "odds/subset_counts.h"

#include "odds/combinatorics.h"
#include "odds/hand_table.h"

namespace odds {

namespace {

// Colex position of the set `ascending` minus its element at `skip`: the elements above the
// gap move down one place.
std::uint32_t indexWithout(const int* ascending, int size, int skip) {
    std::uint32_t index = 0;
    for (int j = 0; j < size; ++j)
        if (j != skip)
            index += Binomials::choose(ascending[j], j < skip ? j + 1 : j);
    return index;
}

} // namespace

const SubsetCounts& SubsetCounts::instance() {
    static const SubsetCounts counts(HandTable::instance());
    return counts;
}

SubsetCounts::SubsetCounts(const HandTable& hands) {
    for (int size = 0; size <= kMaxSize; ++size)
        levels_[static_cast<std::size_t>(size)].assign(
            std::size_t{Binomials::choose(kDeckSize, size)} * kResultCount, 0);

    const auto& results = hands.results();
    std::vector<std::uint32_t>& fours = levels_[kMaxSize];
    std::array<int, kHandSize> hand = {0, 1, 2, 3, 4};
    std::uint32_t colex = 0;
    do {
        const auto r = static_cast<std::size_t>(resultIndex(results[colex++]));
        for (int skip = 0; skip < kHandSize; ++skip)
            ++fours[std::size_t{indexWithout(hand.data(), kHandSize, skip)} * kResultCount + r];
    } while (nextColex(hand.data(), kHandSize));

    for (int size = kMaxSize - 1; size >= 0; --size) {
        const std::vector<std::uint32_t>& above = levels_[static_cast<std::size_t>(size + 1)];
        std::vector<std::uint32_t>& level = levels_[static_cast<std::size_t>(size)];
        std::array<int, kMaxSize> set = {0, 1, 2, 3};
        std::uint32_t position = 0;
        do {
            const std::uint32_t* from = above.data() + std::size_t{position++} * kResultCount;
            for (int skip = 0; skip <= size; ++skip) {
                std::uint32_t* to =
                    level.data() +
                    std::size_t{indexWithout(set.data(), size + 1, skip)} * kResultCount;
                for (int r = 0; r < kResultCount; ++r)
                    to[r] += from[r];
            }
        } while (nextColex(set.data(), size + 1));
        // Each hand was counted once for every card it has beyond the set.
        for (std::uint32_t& count : level)
            count /= static_cast<std::uint32_t>(kHandSize - size);
    }
}

} // namespace odds
