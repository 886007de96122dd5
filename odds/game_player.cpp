#include "odds/game_player.h"

#include "odds/combinatorics.h"
#include "odds/game_tables.h"
#include "odds/hold_order.h"

#include <bit>

namespace odds {

bool preferGameHold(const GameHoldScore& a, const GameHoldScore& b) {
    return preferScore(a, b);
}

GamePlayer::GamePlayer(const Game& game, const GameTables& tables)
    : gross_(game.grossPays()), classCount_(game.classCount()), tables_(tables) {}

const std::array<std::int64_t, kHoldCount>& GamePlayer::values(const HandIndices& ascending) {
    dealt_ = tables_.classAt(colexIndex(ascending));
    // Subsets are numbered like holds; the colex position of one grows from the subset
    // without its highest card.
    std::array<std::uint32_t, kHoldCount> position{};
    for (unsigned set = 1; set < kAllHeld; ++set) {
        const int top = std::bit_width(set) - 1;
        position[set] =
            position[set & ~(1u << top)] +
            Binomials::choose(ascending[static_cast<std::size_t>(top)], std::popcount(set));
    }
    for (unsigned set = 0; set < kAllHeld; ++set) {
        counts_[set] = tables_.counts(std::popcount(set), position[set]);
        std::int64_t sum = 0;
        for (int c = 0; c < classCount_; ++c)
            sum += gross_[static_cast<std::size_t>(c)] * counts_[set][c];
        raw_[set] = sum;
    }
    raw_[kAllHeld] = gross_[dealt_];
    // In place: raw_[S] becomes the sum over supersets T of (-1)^|T - S| raw_[T].
    for (unsigned bit = 1; bit < kHoldCount; bit <<= 1)
        for (unsigned set = 0; set < kHoldCount; ++set)
            if (!(set & bit))
                raw_[set] -= raw_[set | bit];
    for (unsigned hold = 0; hold < kHoldCount; ++hold)
        scaled_[hold] = raw_[hold] * drawWeight(kHandSize - std::popcount(hold));
    return scaled_;
}

GameHoldScore GamePlayer::bestOfLast() const {
    // Ties are rare, so the class counts that break them are formed only when needed.
    unsigned best = 0;
    bool tied = false;
    for (unsigned hold = 1; hold < kHoldCount; ++hold) {
        if (scaled_[hold] > scaled_[best]) {
            best = hold;
            tied = false;
        } else if (scaled_[hold] == scaled_[best]) {
            tied = true;
        }
    }
    GameHoldScore winner = score(best);
    if (tied)
        for (unsigned hold = 0; hold < kHoldCount; ++hold)
            if (hold != best && scaled_[hold] == scaled_[best]) {
                const GameHoldScore other = score(hold);
                if (preferGameHold(other, winner))
                    winner = other;
            }
    return winner;
}

GameHoldScore GamePlayer::score(unsigned hold) const {
    PerClass<std::int64_t> result{};
    const unsigned discarded = kAllHeld & ~hold;
    unsigned extra = 0; // runs through every subset of the discarded slots
    do {
        const unsigned set = hold | extra;
        const std::int64_t sign = std::popcount(extra) % 2 == 0 ? 1 : -1;
        if (set == kAllHeld) {
            result[dealt_] += sign;
        } else {
            for (int c = 0; c < classCount_; ++c)
                result[static_cast<std::size_t>(c)] += sign * counts_[set][c];
        }
        extra = (extra - discarded) & discarded;
    } while (extra != 0);
    const std::int64_t weight = drawWeight(kHandSize - std::popcount(hold));
    GameHoldScore score{scaled_[hold], {}, hold};
    for (std::size_t c = 0; c < result.size(); ++c)
        score.scaledCounts[c] = static_cast<std::uint32_t>(result[c] * weight);
    return score;
}

} // namespace odds
