#include "hand_evaluator.h"

#include <algorithm>
#include <cstdint>

namespace engine {

namespace {

bool AreFiveDistinctCards(const std::array<CardCode, kHandSize>& cards) {
    std::uint64_t seen = 0;
    for (const CardCode code : cards) {
        if (!IsCardCode(code))
            return false;
        const std::uint64_t bit = std::uint64_t{1} << code;
        if (seen & bit)
            return false;
        seen |= bit;
    }
    return true;
}

} // namespace

int EvaluateCards(const std::array<CardCode, kHandSize>& cards) {
    if (!AreFiveDistinctCards(cards))
        return NoResult;

    // Index 0 of each table is unused so that ranks, suits and group sizes index directly.
    std::array<int, kRanksPerSuit + 1> RankCount{};
    std::array<int, kSuitCount + 1> SuitCount{};
    std::array<int, kHandSize> GroupCount{}; // a rank can be held at most four times
    int LowMin = 15;
    int LowMax = 0;
    int HighMin = 15;
    int HighMax = 0;
    int PairTop = 0;

    for (const CardCode code : cards) {
        int r = RankOf(code);
        ++RankCount[r];
        ++SuitCount[SuitOf(code)];
        LowMin = std::min(LowMin, r);
        LowMax = std::max(LowMax, r);
        if (r == Ace)
            r = AceHigh;
        HighMin = std::min(HighMin, r);
        HighMax = std::max(HighMax, r);
    }

    for (int r = Ace; r <= King; ++r) {
        const int n = RankCount[r];
        if (n != 0)
            ++GroupCount[n];
        if (n == 2)
            PairTop = std::max(PairTop, r == Ace ? int{AceHigh} : r);
    }

    // Five different ranks spanning four steps, with the ace either low or high; a run
    // wrapping past the ace (queen-king-ace-2-3) spans more and is no straight.
    const bool IsStraight =
        (LowMax - LowMin == 4 || HighMax - HighMin == 4) && GroupCount[1] == kHandSize;
    const bool IsFlush =
        std::find(SuitCount.begin(), SuitCount.end(), kHandSize) != SuitCount.end();

    if (IsStraight && IsFlush)
        return HighMin == Ten ? RoyalFlush : StraightFlush;
    if (GroupCount[4] != 0)
        return FourOfAKind;
    if (GroupCount[3] != 0 && GroupCount[2] != 0)
        return FullHouse;
    if (IsFlush)
        return Flush;
    if (IsStraight)
        return Straight;
    if (GroupCount[3] != 0)
        return ThreeOfAKind;
    if (GroupCount[2] == 2)
        return TwoPair;
    if (GroupCount[2] != 0 && PairTop > Ten)
        return JacksOrBetter;
    return Nothing;
}

} // namespace engine
