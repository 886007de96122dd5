#include "odds/hand_classifier.h"

#include <array>
#include <bit>
#include <cstdint>

namespace odds {

namespace {

constexpr unsigned kRankPatterns = 1u << kRanksPerSuit;

// Rank bits run ace (bit 0) to king (bit 12); the ace also closes ten-to-ace.
constexpr unsigned kAceHighRun = 0b1111000000001u;

constexpr bool isRun(unsigned ranks) {
    if (ranks == kAceHighRun)
        return true;
    for (int low = 0; low + 4 < kRanksPerSuit; ++low)
        if (ranks == (0b11111u << low))
            return true;
    return false;
}

// For five different ranks: what the hand is without and with a flush.
struct FiveRanks {
    HandResult plain = HandResult::Nothing;
    HandResult suited = HandResult::Flush;
};

constexpr std::array<FiveRanks, kRankPatterns> buildFiveRankTable() {
    std::array<FiveRanks, kRankPatterns> table{};
    for (unsigned ranks = 0; ranks < kRankPatterns; ++ranks) {
        if (!isRun(ranks))
            continue;
        table[ranks].plain = HandResult::Straight;
        table[ranks].suited =
            ranks == kAceHighRun ? HandResult::RoyalFlush : HandResult::StraightFlush;
    }
    return table;
}

constexpr std::array<FiveRanks, kRankPatterns> kFiveRankTable = buildFiveRankTable();

// Three bits per rank hold its count 0..4; these masks pick bit 0 of every field.
constexpr std::uint64_t kLowBits = [] {
    std::uint64_t bits = 0;
    for (int r = 0; r < kRanksPerSuit; ++r)
        bits |= std::uint64_t{1} << (3 * r);
    return bits;
}();

// Pair fields that make jacks or better: ace (field 0), jack, queen, king (fields 10..12).
constexpr std::uint64_t kHighPairFields = (std::uint64_t{1} << 0) | (std::uint64_t{1} << 30) |
                                          (std::uint64_t{1} << 33) | (std::uint64_t{1} << 36);

} // namespace

HandResult classifyIndices(const HandIndices& cards) {
    std::uint64_t counts = 0;
    unsigned ranks = 0;
    const int suit = suitOfIndex(cards[0]);
    bool flush = true;
    for (int card : cards) {
        const int rank = rankOfIndex(card);
        counts += std::uint64_t{1} << (3 * rank);
        ranks |= 1u << rank;
        flush = flush && suitOfIndex(card) == suit;
    }
    if (counts & (kLowBits << 2))
        return HandResult::FourOfAKind;                             // a field reads 4 = 0b100
    const std::uint64_t trips = counts & (counts >> 1) & kLowBits;  // fields reading 3 = 0b011
    const std::uint64_t pairs = (counts >> 1) & ~counts & kLowBits; // fields reading 2 = 0b010
    if (trips)
        return pairs ? HandResult::FullHouse : HandResult::ThreeOfAKind;
    if (pairs)
        return std::popcount(pairs) == 2   ? HandResult::TwoPair
               : (pairs & kHighPairFields) ? HandResult::JacksOrBetter
                                           : HandResult::Nothing;
    const FiveRanks& entry = kFiveRankTable[ranks];
    return flush ? entry.suited : entry.plain;
}

std::optional<HandResult> classifyHand(const Hand& hand) {
    if (!isValidHand(hand))
        return std::nullopt;
    HandIndices cards{};
    for (std::size_t i = 0; i < cards.size(); ++i)
        cards[i] = indexOf(hand[i]);
    return classifyIndices(cards);
}

} // namespace odds
