#include "odds/game_tables.h"

#include "odds/combinatorics.h"

#include <map>
#include <memory>
#include <mutex>

namespace odds {

namespace {

// Colex position of the set `ascending` minus its element at `skip`.
std::uint32_t indexWithout(const int* ascending, int size, int skip) {
    std::uint32_t index = 0;
    for (int j = 0; j < size; ++j)
        if (j != skip)
            index += Binomials::choose(ascending[j], j < skip ? j + 1 : j);
    return index;
}

} // namespace

const GameTables& GameTables::of(const HandScheme& scheme) {
    static std::mutex mutex;
    static std::map<const HandScheme*, std::unique_ptr<GameTables>> built;
    const std::lock_guard lock(mutex);
    auto& tables = built[&scheme];
    if (!tables)
        tables = std::make_unique<GameTables>(scheme);
    return *tables;
}

GameTables::GameTables(const HandScheme& scheme) : scheme_(scheme), stride_(scheme.classCount()) {
    const auto stride = static_cast<std::size_t>(stride_);
    classes_.reserve(kFiveCardHands);
    for (int size = 0; size <= kMaxSetSize; ++size)
        levels_[static_cast<std::size_t>(size)].assign(
            std::size_t{Binomials::choose(kDeckSize, size)} * stride, 0);

    // Four-card sets from the hands themselves...
    std::vector<std::uint32_t>& fours = levels_[kMaxSetSize];
    HandIndices hand = {0, 1, 2, 3, 4};
    do {
        const std::uint8_t c = scheme.classify(hand);
        classes_.push_back(c);
        for (int skip = 0; skip < kHandSize; ++skip)
            ++fours[std::size_t{indexWithout(hand.data(), kHandSize, skip)} * stride + c];
    } while (nextColex(hand.data(), kHandSize));

    // ...each smaller size from the one above: a hand containing a k-card set is reached from
    // 5 - k of the (k + 1)-card sets between them.
    for (int size = kMaxSetSize - 1; size >= 0; --size) {
        const std::vector<std::uint32_t>& above = levels_[static_cast<std::size_t>(size + 1)];
        std::vector<std::uint32_t>& level = levels_[static_cast<std::size_t>(size)];
        std::array<int, kMaxSetSize> set = {0, 1, 2, 3};
        std::uint32_t position = 0;
        do {
            const std::uint32_t* from = above.data() + std::size_t{position++} * stride;
            for (int skip = 0; skip <= size; ++skip) {
                std::uint32_t* to =
                    level.data() + std::size_t{indexWithout(set.data(), size + 1, skip)} * stride;
                for (std::size_t c = 0; c < stride; ++c)
                    to[c] += from[c];
            }
        } while (nextColex(set.data(), size + 1));
        for (std::uint32_t& count : level)
            count /= static_cast<std::uint32_t>(kHandSize - size);
    }
}

} // namespace odds
