#include "odds/strategy_chart.h"

#include "odds/chart_builder.h"
#include "odds/chart_choice.h"
#include "odds/combinatorics.h"
#include "odds/deal_classes.h"
#include "odds/game_hold_analysis.h"
#include "odds/game_player.h"
#include "odds/game_tables.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace odds {

namespace {

HoldPattern nothingHeld(const Game& game) {
    return holdPattern(game.scheme(), {0, 1, 2, 3, 4}, 0);
}

} // namespace

StrategyChart::StrategyChart(const Game& game, const std::vector<HoldPattern>& order)
    : game_(game) {
    std::vector<HoldPattern> patterns;
    for (HoldPattern pattern : order)
        if (std::find(patterns.begin(), patterns.end(), pattern) == patterns.end())
            patterns.push_back(pattern);
    const HoldPattern last = nothingHeld(game);
    if (std::find(patterns.begin(), patterns.end(), last) == patterns.end())
        patterns.push_back(last);
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (i == 0 || patternFamily(patterns[i]) != patternFamily(patterns[i - 1]))
            lines_.emplace_back();
        lines_.back().patterns.push_back(patterns[i]);
        placeOf_[patterns[i]] = static_cast<int>(i);
        lineAt_.push_back(static_cast<int>(lines_.size()) - 1);
    }
    for (ChartLine& line : lines_)
        line.text = patternText(game.scheme(), line.patterns);
}

StrategyChart StrategyChart::derive(const Game& game, int maxLines, double minLineWorth,
                                    const Progress& progress) {
    return StrategyChart(game, buildChartOrder(game, maxLines, minLineWorth, progress));
}

std::vector<HoldPattern> StrategyChart::order() const {
    std::vector<HoldPattern> order;
    for (const ChartLine& line : lines_)
        order.insert(order.end(), line.patterns.begin(), line.patterns.end());
    return order;
}

int StrategyChart::placeOf(HoldPattern pattern) const {
    const auto it = placeOf_.find(pattern);
    return it == placeOf_.end() ? -1 : it->second;
}

int StrategyChart::lineOf(HoldPattern pattern) const {
    const int place = placeOf(pattern);
    return place < 0 ? -1 : lineAt_[static_cast<std::size_t>(place)];
}

template <typename ValueOf>
unsigned StrategyChart::choose(const HandIndices& cards, ValueOf&& valueOf, int& line) const {
    std::array<int, kHoldCount> place{};
    std::array<std::uint32_t, kHoldCount> score{};
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        place[mask] = placeOf(holdPattern(game_.scheme(), cards, mask));
        score[mask] = holdRankScore(game_.scheme(), cards, mask);
    }
    // Drawing five is always named, so some hold is chosen.
    const auto mask = static_cast<unsigned>(chooseHold(place, score, valueOf));
    line = lineAt_[static_cast<std::size_t>(place[mask])];
    return mask;
}

ChartAdvice StrategyChart::advise(const Hand& hand) const {
    if (!isValidHand(hand))
        throw std::invalid_argument("a hand is five different cards");
    HandIndices cards{};
    for (std::size_t slot = 0; slot < hand.size(); ++slot)
        cards[slot] = indexOf(hand[slot]);
    std::optional<GameHandAnalysis> analysis;
    const auto valueOf = [&](unsigned mask) {
        if (!analysis)
            analysis = analyseGameHand(hand, game_);
        for (const GameHoldOutcome& hold : analysis->holds)
            if (hold.mask == mask)
                return hold.grossTotal * std::int64_t{drawWeight(hold.drawn)};
        return std::int64_t{0};
    };
    int line = -1;
    const unsigned mask = choose(cards, valueOf, line);
    return {line, mask};
}

ChartAccuracy StrategyChart::replay(int mistakes, const Progress& progress) const {
    const GameTables& tables = GameTables::of(game_.scheme());
    const std::vector<DealClass>& deals = dealClasses();
    GamePlayer player(game_, tables);
    Int128 chartSum = 0;
    Int128 bestSum = 0;
    std::uint64_t worse = 0;
    std::vector<Int128> lineValue(lines_.size(), 0);
    std::vector<std::uint64_t> lineDeals(lines_.size(), 0);
    std::vector<ChartMistake> costliest;
    std::vector<std::int64_t> costliestLoss;
    std::vector<HoldPattern> costliestPattern;
    for (std::size_t d = 0; d < deals.size(); ++d) {
        if (progress && d % 8192 == 0)
            progress(static_cast<double>(d) / static_cast<double>(deals.size()));
        const HandIndices& cards = deals[d].cards;
        const auto& values = player.values(cards);
        int line = -1;
        const unsigned chosen = choose(
            cards, [&](unsigned mask) { return values[mask]; }, line);
        const GameHoldScore best = player.bestOfLast();
        const std::uint32_t weight = deals[d].weight;
        chartSum += static_cast<Int128>(values[chosen]) * weight;
        bestSum += static_cast<Int128>(best.scaledValue) * weight;
        const auto at = static_cast<std::size_t>(line);
        lineValue[at] += static_cast<Int128>(values[chosen]) * weight;
        lineDeals[at] += weight;
        const std::int64_t loss = best.scaledValue - values[chosen];
        if (loss <= 0)
            continue;
        worse += weight;
        if (mistakes <= 0)
            continue;
        // Kept sorted, costliest first; a new one enters only when it beats the last. One
        // mistake per chart line and best pattern: the rest are the same lesson again.
        if (static_cast<int>(costliest.size()) == mistakes && loss <= costliestLoss.back())
            continue;
        const HoldPattern bestPattern = holdPattern(game_.scheme(), cards, best.mask);
        bool known = false;
        for (std::size_t k = 0; k < costliest.size() && !known; ++k) {
            if (costliest[k].line != line || costliestPattern[k] != bestPattern)
                continue;
            known = true;
            if (loss > costliestLoss[k]) {
                costliest.erase(costliest.begin() + static_cast<std::ptrdiff_t>(k));
                costliestLoss.erase(costliestLoss.begin() + static_cast<std::ptrdiff_t>(k));
                costliestPattern.erase(costliestPattern.begin() + static_cast<std::ptrdiff_t>(k));
                known = false;
            }
        }
        if (known)
            continue;
        ChartMistake mistake;
        for (std::size_t slot = 0; slot < cards.size(); ++slot)
            mistake.hand[slot] = codeOf(cards[slot]);
        mistake.deals = weight;
        mistake.line = line;
        mistake.chartMask = chosen;
        mistake.bestMask = best.mask;
        mistake.loss = Fraction(loss, kDrawWeight);
        const auto place = static_cast<std::size_t>(
            std::upper_bound(costliestLoss.begin(), costliestLoss.end(), loss, std::greater<>()) -
            costliestLoss.begin());
        costliest.insert(costliest.begin() + static_cast<std::ptrdiff_t>(place), mistake);
        costliestLoss.insert(costliestLoss.begin() + static_cast<std::ptrdiff_t>(place), loss);
        costliestPattern.insert(costliestPattern.begin() + static_cast<std::ptrdiff_t>(place),
                                bestPattern);
        if (static_cast<int>(costliest.size()) > mistakes) {
            costliest.pop_back();
            costliestLoss.pop_back();
            costliestPattern.pop_back();
        }
    }
    const Int128 outcomes = Int128{kFiveCardHands} * kDrawWeight;
    ChartAccuracy accuracy;
    accuracy.chartReturn = Fraction(chartSum, outcomes);
    accuracy.perfectReturn = Fraction(bestSum, outcomes);
    accuracy.returnGivenUp = Fraction(bestSum - chartSum, outcomes);
    accuracy.worseShare = Fraction(static_cast<Int128>(worse), kFiveCardHands);
    const bool net = game_.basis() == PayBasis::Net;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        ChartLineUse use;
        use.dealShare = Fraction(static_cast<Int128>(lineDeals[i]), kFiveCardHands);
        if (lineDeals[i] > 0) {
            const Int128 scaledDeals = static_cast<Int128>(lineDeals[i]) * kDrawWeight;
            use.averageValue = Fraction(lineValue[i] - (net ? scaledDeals : 0), scaledDeals);
        }
        accuracy.lineUse.push_back(use);
    }
    accuracy.costliest = std::move(costliest);
    if (progress)
        progress(1.0);
    return accuracy;
}

} // namespace odds
