#include "odds/hand_table.h"

#include "odds/combinatorics.h"
#include "odds/hand_classifier.h"

namespace odds {

const HandTable& HandTable::instance() {
    static const HandTable table;
    return table;
}

HandTable::HandTable() {
    results_.reserve(kFiveCardHands);
    HandIndices cards = {0, 1, 2, 3, 4};
    do {
        results_.push_back(classifyIndices(cards));
    } while (nextColex(cards.data(), kHandSize));
}

} // namespace odds
