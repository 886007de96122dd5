#include "odds/cards.h"

namespace odds {

bool isValidHand(const Hand& hand) {
    std::uint64_t seen = 0;
    for (CardCode code : hand) {
        if (!isCardCode(code))
            return false;
        const std::uint64_t bit = std::uint64_t{1} << indexOf(code);
        if (seen & bit)
            return false;
        seen |= bit;
    }
    return true;
}

} // namespace odds
