#include "odds/hand_result.h"

namespace odds {

std::string_view resultName(HandResult result) {
    static constexpr std::array<std::string_view, kResultCount> kNames = {
        "nothing", "jacks or better", "two pair",       "three of a kind", "straight",
        "flush",   "full house",      "four of a kind", "straight flush",  "royal flush",
    };
    const int index = resultIndex(result);
    if (index < 0 || index >= kResultCount)
        return "invalid";
    return kNames[static_cast<std::size_t>(index)];
}

} // namespace odds
