#include "odds/deal_classes.h"

#include "odds/combinatorics.h"

#include <array>

namespace odds {

std::vector<DealClass> buildDealClasses() {
    std::vector<DealClass> classes;
    HandIndices cards = {0, 1, 2, 3, 4};
    do {
        std::array<unsigned, kSuitCount> suitRanks{};
        for (int card : cards)
            suitRanks[static_cast<std::size_t>(suitOfIndex(card))] |= 1u << rankOfIndex(card);
        bool representative = true;
        for (std::size_t s = 1; s < suitRanks.size(); ++s)
            representative = representative && suitRanks[s - 1] >= suitRanks[s];
        if (!representative)
            continue;
        // The class holds one deal per distinct way of giving these rank sets to the suits:
        // 4! divided by the orderings among equal sets.
        std::uint32_t weight = 24;
        std::size_t run = 1;
        for (std::size_t s = 1; s <= suitRanks.size(); ++s) {
            if (s < suitRanks.size() && suitRanks[s] == suitRanks[s - 1]) {
                weight /= static_cast<std::uint32_t>(++run);
            } else {
                run = 1;
            }
        }
        classes.push_back({cards, weight});
    } while (nextColex(cards.data(), kHandSize));
    return classes;
}

const std::vector<DealClass>& dealClasses() {
    static const std::vector<DealClass> classes = buildDealClasses();
    return classes;
}

} // namespace odds
