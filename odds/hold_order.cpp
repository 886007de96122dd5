#include "odds/hold_order.h"

namespace odds {

bool preferHold(const HoldScore& a, const HoldScore& b) {
    return preferScore(a, b);
}

} // namespace odds
