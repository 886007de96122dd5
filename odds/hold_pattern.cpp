#include "odds/hold_pattern.h"

#include <algorithm>
#include <array>
#include <bit>

namespace odds {

namespace {

constexpr int kAce = 0;
constexpr int kDeuce = 1;
constexpr int kFour = 3;
constexpr int kTen = 9;
constexpr int kJack = 10;

enum Kind : unsigned { NothingHeld, Made, Group, Draw };

// Rank categories of a group, by what the game pays.
enum Category : unsigned { LowRanks, LowQuads, HighRanks, Aces };

// Field layout: kind in bits 0-2, the rest by kind.
struct Field {
    unsigned shift;
    unsigned bits;
};
constexpr Field kKind{0, 3};
constexpr Field kClass{3, 4};
// Groups.
constexpr Field kGroupSize{3, 3};
constexpr Field kPairs{6, 2};
constexpr Field kDeuces{8, 3};
constexpr Field kCategory{11, 2};
constexpr Field kHeld{14, 3};
// Draws (kDeuces and kHeld shared).
constexpr Field kSuited{17, 1};
constexpr Field kRoyal{18, 1};
constexpr Field kFlushWays{19, 4};
constexpr Field kStraightWays{23, 4};
constexpr Field kHighs{27, 3};
constexpr Field kAceLow{35, 1}; // deuces wild only
constexpr Field kNamed{30, 5};  // bit i: rank 10, J, Q, K, A; for one card its rank + 1

constexpr HoldPattern put(Field f, unsigned value) {
    return HoldPattern{value & ((1u << f.bits) - 1)} << f.shift;
}

constexpr unsigned get(HoldPattern p, Field f) {
    return static_cast<unsigned>(p >> f.shift) & ((1u << f.bits) - 1);
}

// Ranks with the ace above the king: 1 (deuce) .. 13 (ace); 0 for a wild deuce.
int highRank(int rank) {
    return rank == kAce ? 13 : rank;
}

bool isHigh(int rank) {
    return rank == kAce || rank >= kJack;
}

// Five-rank runs, the ace low and high; how many contain all of `ranks`.
int waysToRun(unsigned ranks) {
    int ways = 0;
    for (int low = 0; low + 4 <= kRanksPerSuit; ++low) {
        const unsigned window = low + 4 < kRanksPerSuit ? 0b11111u << low : 0b1111000000001u;
        if ((ranks & ~window) == 0)
            ++ways;
    }
    return ways;
}

// With deuces wild the runs are told apart by how many natural ranks would still fit one:
// a 2 is no natural card, so the run ace to 5 counts for less than the count of runs says.
int ranksToRun(unsigned ranks) {
    int ways = 0;
    for (int rank = 0; rank < kRanksPerSuit; ++rank)
        if (rank != kDeuce && !(ranks & (1u << rank)) && waysToRun(ranks | (1u << rank)) > 0)
            ++ways;
    return ways;
}

unsigned groupCategory(const HandScheme& scheme, int rank, int size) {
    if (scheme.deucesWild)
        return LowRanks;
    if (!scheme.quadsByRank)
        return size == 2 && isHigh(rank) ? HighRanks : LowRanks;
    if (rank == kAce)
        return Aces;
    if (size == 2)
        return isHigh(rank) ? HighRanks : LowRanks;
    return rank >= kDeuce && rank <= kFour ? LowQuads : LowRanks;
}

const char* kCount[] = {"no", "one", "two", "three", "four", "five"};
const char* kRankWord[] = {"ace", "2", "3",  "4",    "5",     "6",   "7",
                           "8",   "9", "10", "jack", "queen", "king"};

std::string plural(unsigned n, const std::string& word) {
    return std::string(kCount[n]) + " " + word + (n == 1 ? "" : "s");
}

std::string withDeuces(unsigned deuces) {
    return deuces == 0 ? "" : " with " + plural(deuces, "deuce");
}

// Named ranks high to low, "KQ", "A10".
std::string namedRanks(unsigned named) {
    static const char* kNames[] = {"10", "J", "Q", "K", "A"};
    std::string text;
    for (int i = 4; i >= 0; --i)
        if (named & (1u << i))
            text += kNames[i];
    return text;
}

// A pattern's words with the part that tells it from others of its family apart, so that
// neighbouring lines of one family read as one: "Suited " + "KQ" + "".
struct Words {
    std::string before;
    std::string detail;
    std::string after;
    bool highCount = false; // the detail counts high cards
};

Words groupWords(const HandScheme& scheme, HoldPattern p) {
    const unsigned size = get(p, kGroupSize);
    const unsigned pairs = get(p, kPairs);
    const unsigned deuces = get(p, kDeuces);
    const auto category = static_cast<Category>(get(p, kCategory));
    const unsigned held = get(p, kHeld);
    std::string text;
    if (pairs == 2 && deuces == 0) {
        text = category == Aces ? "two pair, one of them aces" : "two pair";
    } else if (size == 2) {
        if (scheme.quadsByRank)
            text = category == Aces        ? "a pair of aces"
                   : category == HighRanks ? "a pair of jacks, queens or kings"
                                           : "a low pair (2s to 10s)";
        else
            text =
                category == HighRanks ? "a high pair (jacks or better)" : "a low pair (2s to 10s)";
    } else {
        const char* what[] = {"", "", "pair", "three", "four", "five"};
        const std::string base = std::string(what[size]);
        if (category == Aces)
            text = base + " aces";
        else if (category == LowQuads)
            text = base + " 2s, 3s or 4s";
        else if (scheme.quadsByRank && size >= 3)
            text = base + " 5s to kings";
        else
            text = base + " of a kind";
    }
    text += withDeuces(deuces);
    const unsigned grouped = pairs == 2 ? 4 : size;
    if (held > grouped)
        text += " and a kicker";
    return {text, "", "", false};
}

Words drawWords(const HandScheme& scheme, HoldPattern p) {
    const unsigned held = get(p, kHeld);
    const unsigned deuces = get(p, kDeuces);
    const unsigned naturals = held - deuces;
    const unsigned named = get(p, kNamed);
    const unsigned highs = get(p, kHighs);
    const bool suited = get(p, kSuited) != 0;
    const std::string count = kCount[held];
    const std::string deuceText = withDeuces(deuces);
    // Everything but the high cards, which come last when they are counted.
    const auto counted = [&](std::string text) {
        if (scheme.deucesWild)
            return Words{text + deuceText, "", "", false};
        return Words{text + deuceText + ", ", highs == 0 ? "no" : std::to_string(highs), "", true};
    };
    if (naturals == 0)
        return {std::string(kCount[deuces]) + (deuces == 1 ? " deuce" : " deuces") + " alone", "",
                "", false};
    if (held == 1 && named == 0)
        return {"one card alone", "", "", false};
    if (held == 1)
        return {"", std::string(named - 1 == kAce ? "an " : "a ") + kRankWord[named - 1], " alone",
                false};
    if (named && get(p, kRoyal))
        return held == 2 ? Words{"suited ", namedRanks(named), deuceText, false}
                         : Words{count + " to a royal flush" + deuceText + ": ", namedRanks(named),
                                 "", false};
    if (named)
        return {"", namedRanks(named), " of different suits", false};
    if (get(p, kRoyal))
        return held == 4 ? Words{count + " to a royal flush" + deuceText, "", "", false}
                         : counted(count + " to a royal flush");
    const unsigned flushWays = get(p, kFlushWays);
    const unsigned straightWays = get(p, kStraightWays);
    const bool aceLow = scheme.deucesWild && get(p, kAceLow) != 0;
    const auto ways = [&](unsigned n) {
        const std::string low = aceLow ? "ace to 5" : "";
        if (n == 0)
            return " (" + low + ")";
        return " (" + std::to_string(n) + (n == 1 ? " way" : " ways") +
               (aceLow ? " and " + low : "") + ")";
    };
    if (suited && (flushWays > 0 || aceLow)) {
        std::string text = count + " to a straight flush";
        if (held == 4 && deuces == 0 && !aceLow)
            text += flushWays >= 2 ? ", open" : ", inside";
        else
            text += ways(flushWays);
        return counted(text);
    }
    if (suited)
        return counted(count + " to a flush");
    if (straightWays > 0 || aceLow) {
        std::string text = count + " to ";
        if (held == 4 && deuces == 0 && !aceLow)
            text += straightWays >= 2 ? "an outside straight" : "an inside straight";
        else
            text += "a straight" + ways(straightWays);
        return counted(text);
    }
    return counted(count + " cards of different suits, no straight");
}

Words words(const HandScheme& scheme, HoldPattern pattern) {
    switch (get(pattern, kKind)) {
    case NothingHeld:
        return {"nothing: draw five new cards", "", "", false};
    case Made: {
        const std::string& name = scheme.classNames[get(pattern, kClass)];
        return {get(pattern, kClass) == 0 ? "five cards that pay nothing" : "a dealt " + name, "",
                "", false};
    }
    case Group:
        return groupWords(scheme, pattern);
    default:
        return drawWords(scheme, pattern);
    }
}

std::string capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace

HoldPattern patternFamily(HoldPattern pattern) {
    if (get(pattern, kKind) != Draw)
        return pattern;
    return pattern & ~(put(kHighs, ~0u) | put(kNamed, ~0u));
}

std::string patternText(const HandScheme& scheme, const std::vector<HoldPattern>& family) {
    if (family.empty())
        return "";
    const Words first = words(scheme, family.front());
    std::string details;
    for (std::size_t i = 0; i < family.size(); ++i) {
        if (i > 0)
            details += i + 1 == family.size() ? " or " : ", ";
        details += words(scheme, family[i]).detail;
    }
    std::string after = first.after;
    if (first.highCount)
        after = family.size() == 1 && first.detail == "1" ? " high card" : " high cards";
    return capitalised(first.before + details + after);
}

std::string patternText(const HandScheme& scheme, HoldPattern pattern) {
    return patternText(scheme, std::vector<HoldPattern>{pattern});
}

HoldPattern holdPattern(const HandScheme& scheme, const HandIndices& cards, unsigned mask) {
    const int held = std::popcount(mask);
    if (held == 0)
        return put(kKind, NothingHeld);
    if (held == kHandSize) {
        HandIndices sorted = cards;
        std::sort(sorted.begin(), sorted.end());
        return put(kKind, Made) | put(kClass, scheme.classify(sorted));
    }
    std::array<int, kRanksPerSuit> count{};
    int deuces = 0;
    unsigned ranks = 0;
    unsigned suits = 0;
    int highs = 0;
    for (std::size_t slot = 0; slot < cards.size(); ++slot) {
        if (!(mask & (1u << slot)))
            continue;
        const int rank = rankOfIndex(cards[slot]);
        if (scheme.deucesWild && rank == kDeuce) {
            ++deuces;
            continue;
        }
        ++count[static_cast<std::size_t>(rank)];
        ranks |= 1u << rank;
        suits |= 1u << suitOfIndex(cards[slot]);
        highs += isHigh(rank) ? 1 : 0;
    }
    const int naturals = held - deuces;
    const auto most = std::max_element(count.begin(), count.end());
    if (*most >= 2) {
        const int pairs = static_cast<int>(std::count(count.begin(), count.end(), 2));
        const int size = *most + deuces;
        unsigned category = groupCategory(scheme, static_cast<int>(most - count.begin()), *most);
        if (pairs == 2)
            category = scheme.acesApart && count[kAce] == 2 ? Aces : LowRanks;
        return put(kKind, Group) | put(kGroupSize, static_cast<unsigned>(size)) |
               put(kPairs, static_cast<unsigned>(pairs)) |
               put(kDeuces, static_cast<unsigned>(deuces)) | put(kCategory, category) |
               put(kHeld, static_cast<unsigned>(held));
    }
    const bool suited = naturals >= 2 && std::popcount(suits) == 1;
    const bool royalRanks = (ranks & ~0b1111000000001u) == 0;
    const bool royal = naturals >= 1 && royalRanks && (suited || (naturals == 1 && deuces > 0));
    int straightWays = scheme.deucesWild ? ranksToRun(ranks) : waysToRun(ranks);
    // Charts name the ranks of short draws to high cards or a royal.
    bool nameRanks = false;
    unsigned named = 0;
    if (!scheme.deucesWild) {
        const bool allHigh = highs == naturals;
        if (held == 1)
            named = static_cast<unsigned>(std::countr_zero(ranks)) + 1;
        else
            nameRanks = (held == 2 && royalRanks) || (held == 3 && !suited && allHigh) ||
                        (held == 3 && royal);
    } else {
        nameRanks = royal && naturals >= 2 && naturals <= 3;
    }
    if (nameRanks)
        for (int rank = kTen; rank <= kRanksPerSuit; ++rank)
            if (ranks & (1u << (rank % kRanksPerSuit)))
                named |= 1u << (rank - kTen);
    if (named != 0 || royal) {
        // The ranks (or a royal) say all there is about the runs; four to a royal is one line.
        straightWays = 0;
        if (named != 0 || held == 4)
            highs = 0;
    }
    return put(kKind, Draw) | put(kHeld, static_cast<unsigned>(held)) |
           put(kDeuces, static_cast<unsigned>(deuces)) | put(kSuited, suited ? 1 : 0) |
           put(kRoyal, royal ? 1 : 0) |
           put(kFlushWays, suited ? static_cast<unsigned>(straightWays) : 0) |
           put(kStraightWays, static_cast<unsigned>(straightWays)) |
           put(kAceLow, scheme.deucesWild && (ranks & ~0b11111u) == 0 && !royal ? 1 : 0) |
           put(kHighs, scheme.deucesWild ? 0 : static_cast<unsigned>(highs)) | put(kNamed, named);
}

std::uint32_t holdRankScore(const HandScheme& scheme, const HandIndices& cards, unsigned mask) {
    // Ranks 1 (deuce) .. 13 (ace), 14 a wild deuce; read high to low as base-16 digits.
    std::array<int, 15> count{};
    for (std::size_t slot = 0; slot < cards.size(); ++slot)
        if (mask & (1u << slot)) {
            const int rank = rankOfIndex(cards[slot]);
            ++count[static_cast<std::size_t>(scheme.deucesWild && rank == kDeuce ? 14
                                                                                 : highRank(rank))];
        }
    std::uint32_t score = 0;
    for (int rank = 14; rank >= 1; --rank)
        for (int n = 0; n < count[static_cast<std::size_t>(rank)]; ++n)
            score = score * 16 + static_cast<std::uint32_t>(rank);
    return score;
}

} // namespace odds
