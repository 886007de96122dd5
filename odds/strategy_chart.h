#pragma once

#include "odds/cards.h"
#include "odds/fraction.h"
#include "odds/game.h"
#include "odds/hold_pattern.h"
#include "odds/return_calculator.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace odds {

// One line of a strategy chart: hold the first pattern from the top that the deal offers.
// Neighbouring patterns of one family share a line ("Suited KQ or KJ"), the first named
// preferred.
struct ChartLine {
    std::vector<HoldPattern> patterns;
    std::string text; // in players' words, "Four to a flush, 1 or 2 high cards"
};

// What a chart says for one dealt hand.
struct ChartAdvice {
    int line = -1;     // index into StrategyChart::lines(); the player's "rule line + 1"
    unsigned mask = 0; // the hold it names: bit i keeps slot i of the hand as given
};

// A deal on which the chart's hold is worth less than the best.
struct ChartMistake {
    Hand hand{};             // one deal of its suit class
    std::uint32_t deals = 0; // deals in the class
    int line = -1;           // the chart line that decided
    unsigned chartMask = 0;
    unsigned bestMask = 0;
    Fraction loss{0, 1}; // expected payout given up on each such deal, per unit staked
};

// How often a line decides, and what the hold it names is worth there on average.
struct ChartLineUse {
    Fraction dealShare{0, 1};
    Fraction averageValue{0, 1}; // in the game's own convention (net games less the stake)
};

// The chart played on every one of the 2,598,960 deals, against the best hold on each.
struct ChartAccuracy {
    Fraction chartReturn{0, 1};
    Fraction perfectReturn{0, 1};
    Fraction returnGivenUp{0, 1};        // perfectReturn - chartReturn
    Fraction worseShare{0, 1};           // share of deals on which the chart's hold is worth less
    std::vector<ChartLineUse> lineUse;   // by line
    std::vector<ChartMistake> costliest; // most given up per deal first
};

class StrategyChart {
public:
    static constexpr int kDefaultMaxLines = 55;
    static constexpr double kDefaultMinLineWorth = 2e-7;

    // A chart for the game from the exact value of every hold of every deal: patterns are
    // ordered to lose as little return as a local search finds, and lines that are worth
    // less than `minLineWorth` of return (or beyond `maxLines`) are dropped. The last line
    // is always "draw five new cards", so every deal gets a hold.
    static StrategyChart derive(const Game& game, int maxLines = kDefaultMaxLines,
                                double minLineWorth = kDefaultMinLineWorth,
                                const Progress& progress = {});

    // A chart with the patterns in the given order, neighbours of one family sharing a line;
    // "draw five new cards" is added at the end when missing.
    StrategyChart(const Game& game, const std::vector<HoldPattern>& order);

    const Game& game() const { return game_; }
    const std::vector<ChartLine>& lines() const { return lines_; }
    std::vector<HoldPattern> order() const;

    // The first line the hand offers and the hold it names: the first pattern named on it;
    // where one pattern fits two holds, the one with the higher cards, then the one worth more.
    // Throws std::invalid_argument unless the hand is five distinct cards 1..52.
    ChartAdvice advise(const Hand& hand) const;

    // Plays the chart on every deal by suit class; the `mistakes` costliest deals kept, one
    // for each pair of chart line and pattern of the best hold.
    ChartAccuracy replay(int mistakes = 5, const Progress& progress = {}) const;

    // The line of a pattern, -1 when the chart has none.
    int lineOf(HoldPattern pattern) const;

private:
    // Where the chart names a pattern: its place among all named patterns, -1 for none.
    int placeOf(HoldPattern pattern) const;
    // The hold the chart takes, from the places of the 32 holds' patterns.
    template <typename ValueOf>
    unsigned choose(const HandIndices& cards, ValueOf&& valueOf, int& line) const;

    Game game_;
    std::vector<ChartLine> lines_;
    std::unordered_map<HoldPattern, int> placeOf_;
    std::vector<int> lineAt_; // by place
};

} // namespace odds
