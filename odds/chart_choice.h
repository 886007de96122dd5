#pragma once

#include "odds/cards.h"

#include <array>
#include <cstdint>

namespace odds {

// The one rule every use of a chart follows, so that deriving, replaying and advising agree:
// among the holds whose pattern the chart names, take the pattern named first; among holds
// of that pattern the higher cards; then the one worth more (asked for only then, as it may
// be costly). `lineOf[mask]` is the place of each hold's pattern in the chart, negative for
// none. Returns the mask, or -1 when no hold's pattern is named.
template <typename ValueOf>
int chooseHold(const std::array<int, kHoldCount>& lineOf,
               const std::array<std::uint32_t, kHoldCount>& rankScore, ValueOf&& valueOf) {
    int first = -1;
    for (unsigned mask = 0; mask < kHoldCount; ++mask)
        if (lineOf[mask] >= 0 && (first < 0 || lineOf[mask] < lineOf[static_cast<unsigned>(first)]))
            first = static_cast<int>(mask);
    if (first < 0)
        return -1;
    const int line = lineOf[static_cast<unsigned>(first)];
    int chosen = first;
    bool tied = false;
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        if (lineOf[mask] != line || static_cast<int>(mask) == chosen)
            continue;
        const auto c = static_cast<unsigned>(chosen);
        if (rankScore[mask] > rankScore[c]) {
            chosen = static_cast<int>(mask);
            tied = false;
        } else if (rankScore[mask] == rankScore[c]) {
            tied = true;
        }
    }
    if (!tied)
        return chosen;
    const std::uint32_t top = rankScore[static_cast<unsigned>(chosen)];
    for (unsigned mask = 0; mask < kHoldCount; ++mask)
        if (lineOf[mask] == line && rankScore[mask] == top &&
            valueOf(mask) > valueOf(static_cast<unsigned>(chosen)))
            chosen = static_cast<int>(mask);
    return chosen;
}

} // namespace odds
