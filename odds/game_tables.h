#pragma once

#include "odds/game.h"

#include <array>
#include <cstdint>
#include <vector>

namespace odds {

// What a hand scheme makes of the deck, built once per scheme and shared by every game on
// it: the class byte of each of the 2,598,960 hands by colex index, and for every set of 0..4
// cards how many hands of the deck contain it, per class. No pay enters either.
class GameTables {
public:
    static constexpr int kMaxSetSize = 4;

    explicit GameTables(const HandScheme& scheme);

    // Shared per scheme; safe to call from several threads.
    static const GameTables& of(const HandScheme& scheme);

    const HandScheme& scheme() const { return scheme_; }
    std::uint8_t classAt(std::uint32_t colex) const { return classes_[colex]; }
    const std::vector<std::uint8_t>& classes() const { return classes_; }
    // Counters per set: one per class of the scheme.
    int stride() const { return stride_; }
    const std::uint32_t* counts(int size, std::uint32_t colex) const {
        return levels_[static_cast<std::size_t>(size)].data() +
               std::size_t{colex} * static_cast<std::size_t>(stride_);
    }

private:
    const HandScheme& scheme_;
    int stride_;
    std::vector<std::uint8_t> classes_;
    std::array<std::vector<std::uint32_t>, kMaxSetSize + 1> levels_;
};

} // namespace odds
