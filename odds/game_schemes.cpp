#include "odds/game.h"
#include "odds/hand_classifier.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>

namespace odds {

namespace {

constexpr int kAce = 0;
constexpr int kDeuce = 1;
constexpr int kFour = 3;
constexpr int kTen = 9;

// Bits of ranks 10, J, Q, K, A: what a royal flush is made of.
constexpr unsigned kRoyalRanks = 0b1111000000001u;

std::uint8_t tenClasses(const HandIndices& cards) {
    return static_cast<std::uint8_t>(resultIndex(classifyIndices(cards)));
}

// The rank that appears four times, and the fifth card's rank.
struct Quads {
    int rank = 0;
    int kicker = 0;
};

Quads quadsOf(const HandIndices& cards) {
    std::array<int, kRanksPerSuit> count{};
    for (int card : cards)
        ++count[static_cast<std::size_t>(rankOfIndex(card))];
    Quads quads;
    for (int rank = 0; rank < kRanksPerSuit; ++rank) {
        if (count[static_cast<std::size_t>(rank)] == 4)
            quads.rank = rank;
        else if (count[static_cast<std::size_t>(rank)] == 1)
            quads.kicker = rank;
    }
    return quads;
}

bool lowQuad(int rank) {
    return rank >= kDeuce && rank <= kFour;
}

// Bonus classes: the ten with four of a kind split into 5-K (7), 2-4 (8), aces (9); straight
// flush 10, royal 11.
std::uint8_t bonusClasses(const HandIndices& cards) {
    const HandResult result = classifyIndices(cards);
    if (result == HandResult::StraightFlush)
        return 10;
    if (result == HandResult::RoyalFlush)
        return 11;
    if (result != HandResult::FourOfAKind)
        return static_cast<std::uint8_t>(resultIndex(result));
    const int rank = quadsOf(cards).rank;
    return rank == kAce ? 9 : lowQuad(rank) ? 8 : 7;
}

// Double double bonus: as bonus, then 2-4 with an ace or 2-4 kicker (10), aces with a 2-4
// kicker (11); straight flush 12, royal 13.
std::uint8_t doubleDoubleBonusClasses(const HandIndices& cards) {
    const HandResult result = classifyIndices(cards);
    if (result == HandResult::StraightFlush)
        return 12;
    if (result == HandResult::RoyalFlush)
        return 13;
    if (result != HandResult::FourOfAKind)
        return static_cast<std::uint8_t>(resultIndex(result));
    const Quads quads = quadsOf(cards);
    if (quads.rank == kAce)
        return lowQuad(quads.kicker) ? 11 : 9;
    if (lowQuad(quads.rank))
        return quads.kicker == kAce || lowQuad(quads.kicker) ? 10 : 8;
    return 7;
}

// True when the ranks (no deuces among them) fit one five-rank run, the wild cards filling
// the rest; the ace runs low and high.
bool fitsRun(unsigned ranks) {
    for (int low = 0; low + 4 <= kRanksPerSuit; ++low) {
        const unsigned window = low + 4 < kRanksPerSuit ? 0b11111u << low : kRoyalRanks;
        if ((ranks & ~window) == 0)
            return true;
    }
    return false;
}

enum DeucesClass : std::uint8_t {
    DwNothing,
    DwThreeOfAKind,
    DwStraight,
    DwFlush,
    DwFullHouse,
    DwFourOfAKind,
    DwStraightFlush,
    DwFiveOfAKind,
    DwWildRoyal,
    DwFourDeuces,
    DwNaturalRoyal,
};

std::uint8_t deucesWildClasses(const HandIndices& cards) {
    int deuces = 0;
    std::array<int, kRanksPerSuit> count{};
    unsigned ranks = 0;
    unsigned suits = 0;
    for (int card : cards) {
        const int rank = rankOfIndex(card);
        if (rank == kDeuce) {
            ++deuces;
            continue;
        }
        ++count[static_cast<std::size_t>(rank)];
        ranks |= 1u << rank;
        suits |= 1u << suitOfIndex(card);
    }
    if (deuces == 4)
        return DwFourDeuces;
    const int most = *std::max_element(count.begin(), count.end());
    const int pairs = static_cast<int>(std::count(count.begin(), count.end(), 2));
    const bool distinct = most == 1;
    const bool suited = std::popcount(suits) == 1;
    if (suited && distinct && (ranks & ~kRoyalRanks) == 0 && std::popcount(ranks) + deuces == 5)
        return deuces == 0 ? DwNaturalRoyal : DwWildRoyal;
    if (most + deuces >= 5)
        return DwFiveOfAKind;
    if (suited && distinct && fitsRun(ranks))
        return DwStraightFlush;
    if (most + deuces >= 4)
        return DwFourOfAKind;
    if ((most == 3 && pairs == 1) || (deuces == 1 && pairs == 2))
        return DwFullHouse;
    if (suited)
        return DwFlush;
    if (distinct && fitsRun(ranks))
        return DwStraight;
    return most + deuces >= 3 ? DwThreeOfAKind : DwNothing;
}

// Constant-initialised, so that games built while other files' statics are set up (a
// benchmark's registration) find it filled.
constexpr std::array<std::string_view, 10> kTenNames = {
    "nothing", "jacks or better", "two pair",       "three of a kind", "straight",
    "flush",   "full house",      "four of a kind", "straight flush",  "royal flush",
};

std::vector<std::string> withQuads(const std::vector<std::string>& quads) {
    std::vector<std::string> names(kTenNames.begin(), kTenNames.begin() + 7);
    names.insert(names.end(), quads.begin(), quads.end());
    names.push_back("straight flush");
    names.push_back("royal flush");
    return names;
}

} // namespace

const HandScheme& tenClassScheme() {
    static const HandScheme scheme{
        "ten",       std::vector<std::string>(kTenNames.begin(), kTenNames.end()),
        &tenClasses, false,
        false,       false};
    return scheme;
}

const HandScheme& bonusScheme() {
    static const HandScheme scheme{
        "bonus",       withQuads({"four 5s-kings", "four 2s-4s", "four aces"}),
        &bonusClasses, false,
        true,          false};
    return scheme;
}

const HandScheme& doubleDoubleBonusScheme() {
    static const HandScheme scheme{"double double bonus",
                                   withQuads({"four 5s-kings", "four 2s-4s", "four aces",
                                              "four 2s-4s with an A-4", "four aces with a 2-4"}),
                                   &doubleDoubleBonusClasses,
                                   false,
                                   true,
                                   true};
    return scheme;
}

const HandScheme& deucesWildScheme() {
    static const HandScheme scheme{"deuces wild",
                                   {"nothing", "three of a kind", "straight", "flush", "full house",
                                    "four of a kind", "straight flush", "five of a kind",
                                    "wild royal flush", "four deuces", "natural royal flush"},
                                   &deucesWildClasses,
                                   true,
                                   false,
                                   false};
    return scheme;
}

} // namespace odds
