#include "odds/chart_builder.h"

#include "odds/combinatorics.h"
#include "odds/deal_classes.h"
#include "odds/fraction.h"
#include "odds/game_player.h"
#include "odds/game_tables.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace odds {

namespace {

constexpr int kAbsent = std::numeric_limits<int>::max();

// Every deal class with, for each pattern it offers, the value of the hold that pattern's
// line would take there, weighted by the class size.
class ChartSearch {
public:
    ChartSearch(const Game& game, const Progress& progress);

    void search();
    // Drops lines until at most maxLines remain and each is worth at least `threshold`
    // (in weighted scaled units) against going to the next line.
    void prune(int maxLines, Int128 threshold);
    std::vector<HoldPattern> usedOrder() const;

private:
    int positionOf(std::uint32_t entry) const { return pos_[pattern_[entry]]; }
    void choose(std::uint32_t deal);
    // The entry the deal would take without `without`.
    std::uint32_t next(std::uint32_t deal, std::uint32_t without) const;
    bool improve(std::uint32_t p);
    void renumber();
    void dropUnused();
    // Takes the patterns at positions [first, last) out of the chart for good.
    void remove(std::size_t first, std::size_t last);

    std::vector<HoldPattern> patterns_;
    std::vector<HoldPattern> family_; // per pattern
    std::uint32_t nothingHeld_ = 0;
    std::vector<std::uint32_t> dealBegin_;
    std::vector<std::uint32_t> pattern_;                // per entry
    std::vector<std::int64_t> value_;                   // per entry, weighted and scaled
    std::vector<std::uint32_t> dealOf_;                 // per entry
    std::vector<std::vector<std::uint32_t>> entriesOf_; // per pattern
    std::vector<std::uint32_t> chosen_;                 // per deal: an entry
    std::vector<std::uint32_t> order_;                  // patterns, first line first
    std::vector<int> pos_;                              // per pattern
    std::vector<Int128> bucket_;
};

ChartSearch::ChartSearch(const Game& game, const Progress& progress) {
    const GameTables& tables = GameTables::of(game.scheme());
    const std::vector<DealClass>& deals = dealClasses();
    GamePlayer player(game, tables);
    std::unordered_map<HoldPattern, std::uint32_t> ids;
    dealBegin_.reserve(deals.size() + 1);
    for (std::size_t d = 0; d < deals.size(); ++d) {
        if (progress && d % 8192 == 0)
            progress(0.7 * static_cast<double>(d) / static_cast<double>(deals.size()));
        const HandIndices& cards = deals[d].cards;
        const auto& values = player.values(cards);
        dealBegin_.push_back(static_cast<std::uint32_t>(pattern_.size()));
        // For each pattern the hold its line takes: higher cards, then more value.
        std::array<std::uint32_t, kHoldCount> id{};
        std::array<std::uint32_t, kHoldCount> score{};
        for (unsigned mask = 0; mask < kHoldCount; ++mask) {
            const HoldPattern p = holdPattern(game.scheme(), cards, mask);
            const auto [it, added] = ids.try_emplace(p, static_cast<std::uint32_t>(ids.size()));
            if (added) {
                patterns_.push_back(p);
                family_.push_back(patternFamily(p));
            }
            id[mask] = it->second;
            score[mask] = holdRankScore(game.scheme(), cards, mask);
        }
        for (unsigned mask = 0; mask < kHoldCount; ++mask) {
            bool best = true;
            for (unsigned other = 0; other < kHoldCount && best; ++other) {
                if (other == mask || id[other] != id[mask])
                    continue;
                if (score[other] != score[mask])
                    best = score[other] < score[mask];
                else if (values[other] != values[mask])
                    best = values[other] < values[mask];
                else
                    best = mask < other;
            }
            if (!best)
                continue;
            pattern_.push_back(id[mask]);
            value_.push_back(values[mask] * deals[d].weight);
            dealOf_.push_back(static_cast<std::uint32_t>(d));
        }
    }
    dealBegin_.push_back(static_cast<std::uint32_t>(pattern_.size()));
    nothingHeld_ = ids.at(holdPattern(game.scheme(), deals.front().cards, 0));

    entriesOf_.resize(patterns_.size());
    for (std::uint32_t e = 0; e < pattern_.size(); ++e)
        entriesOf_[pattern_[e]].push_back(e);
    // Start from the patterns' average worth where they occur; the search does the rest.
    std::vector<double> average(patterns_.size());
    for (std::size_t p = 0; p < patterns_.size(); ++p) {
        double sum = 0;
        double weight = 0;
        for (std::uint32_t e : entriesOf_[p]) {
            sum += static_cast<double>(value_[e]);
            weight += deals[dealOf_[e]].weight;
        }
        average[p] = sum / weight;
    }
    order_.resize(patterns_.size());
    std::iota(order_.begin(), order_.end(), 0u);
    std::stable_sort(order_.begin(), order_.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return average[a] > average[b]; });
    // Drawing five is the last resort, below everything.
    std::erase(order_, nothingHeld_);
    order_.push_back(nothingHeld_);
    pos_.assign(patterns_.size(), kAbsent);
    renumber();
    chosen_.resize(deals.size());
    for (std::uint32_t d = 0; d < deals.size(); ++d)
        choose(d);
}

void ChartSearch::renumber() {
    for (std::size_t i = 0; i < order_.size(); ++i)
        pos_[order_[i]] = static_cast<int>(i);
}

void ChartSearch::choose(std::uint32_t deal) {
    std::uint32_t best = dealBegin_[deal];
    for (std::uint32_t e = dealBegin_[deal] + 1; e < dealBegin_[deal + 1]; ++e)
        if (positionOf(e) < positionOf(best))
            best = e;
    chosen_[deal] = best;
}

std::uint32_t ChartSearch::next(std::uint32_t deal, std::uint32_t without) const {
    std::uint32_t best = without;
    for (std::uint32_t e = dealBegin_[deal]; e < dealBegin_[deal + 1]; ++e)
        if (e != without && (best == without || positionOf(e) < positionOf(best)))
            best = e;
    return best;
}

// Moves pattern p to the place in the order that gains most, if any gains.
bool ChartSearch::improve(std::uint32_t p) {
    const int at = pos_[p];
    if (at == kAbsent || p == nothingHeld_)
        return false;
    const auto lines = order_.size();
    bucket_.assign(lines, 0);
    // Moving up to line j takes p wherever the deal's current line is at j or below.
    for (std::uint32_t e : entriesOf_[p]) {
        const std::uint32_t c = chosen_[dealOf_[e]];
        if (c != e)
            bucket_[static_cast<std::size_t>(positionOf(c))] += value_[e] - value_[c];
    }
    Int128 bestGain = 0;
    int bestPlace = at;
    Int128 gain = 0;
    for (int j = at - 1; j >= 0; --j) {
        gain += bucket_[static_cast<std::size_t>(j)];
        if (gain > bestGain) {
            bestGain = gain;
            bestPlace = j;
        }
    }
    // Moving down below line j gives the deals p decides to their next line, if it is at or
    // above j.
    std::fill(bucket_.begin(), bucket_.end(), 0);
    for (std::uint32_t e : entriesOf_[p]) {
        const std::uint32_t deal = dealOf_[e];
        if (chosen_[deal] != e)
            continue;
        const std::uint32_t s = next(deal, e);
        if (s != e)
            bucket_[static_cast<std::size_t>(positionOf(s))] += value_[s] - value_[e];
    }
    gain = 0;
    for (int j = at + 1; j < static_cast<int>(lines); ++j) {
        gain += bucket_[static_cast<std::size_t>(j)];
        if (gain > bestGain && order_[static_cast<std::size_t>(j)] != nothingHeld_) {
            bestGain = gain;
            bestPlace = j;
        }
    }
    if (bestPlace == at)
        return false;
    order_.erase(order_.begin() + at);
    order_.insert(order_.begin() + bestPlace, p);
    renumber();
    for (std::uint32_t e : entriesOf_[p])
        choose(dealOf_[e]);
    return true;
}

void ChartSearch::search() {
    for (int pass = 0; pass < 100; ++pass) {
        bool moved = false;
        for (std::uint32_t p = 0; p < patterns_.size(); ++p)
            moved = improve(p) || moved;
        if (!moved)
            return;
    }
}

void ChartSearch::dropUnused() {
    std::vector<std::uint32_t> count(patterns_.size());
    for (std::uint32_t e : chosen_)
        ++count[pattern_[e]];
    std::erase_if(order_, [&](std::uint32_t p) {
        if (count[p] > 0 || p == nothingHeld_)
            return false;
        pos_[p] = kAbsent;
        return true;
    });
    renumber();
}

void ChartSearch::remove(std::size_t first, std::size_t last) {
    std::vector<std::uint32_t> gone(order_.begin() + static_cast<std::ptrdiff_t>(first),
                                    order_.begin() + static_cast<std::ptrdiff_t>(last));
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(first),
                 order_.begin() + static_cast<std::ptrdiff_t>(last));
    for (std::uint32_t p : gone)
        pos_[p] = kAbsent;
    renumber();
    for (std::uint32_t p : gone)
        for (std::uint32_t e : entriesOf_[p])
            choose(dealOf_[e]);
}

void ChartSearch::prune(int maxLines, Int128 threshold) {
    for (;;) {
        dropUnused();
        // Lines are runs of one family; runStart_[r] is the first position of run r.
        std::vector<std::size_t> runStart;
        std::vector<std::size_t> runOf(order_.size());
        for (std::size_t i = 0; i < order_.size(); ++i) {
            if (i == 0 || family_[order_[i]] != family_[order_[i - 1]])
                runStart.push_back(i);
            runOf[i] = runStart.size() - 1;
        }
        runStart.push_back(order_.size());
        const std::size_t runs = runStart.size() - 1;
        // What each pattern, and each whole run, is worth against the lines below it.
        std::vector<Int128> cost(patterns_.size(), 0);
        std::vector<Int128> runCost(runs, 0);
        for (std::uint32_t deal = 0; deal < chosen_.size(); ++deal) {
            const std::uint32_t e = chosen_[deal];
            if (pattern_[e] == nothingHeld_)
                continue;
            cost[pattern_[e]] += value_[e] - value_[next(deal, e)];
            const std::size_t r = runOf[static_cast<std::size_t>(positionOf(e))];
            std::uint32_t below = e;
            for (std::uint32_t o = dealBegin_[deal]; o < dealBegin_[deal + 1]; ++o) {
                const auto at = static_cast<std::size_t>(positionOf(o));
                if (positionOf(o) != kAbsent && runOf[at] != r &&
                    (below == e || positionOf(o) < positionOf(below)))
                    below = o;
            }
            runCost[r] += value_[e] - value_[below];
        }
        if (static_cast<int>(runs) > maxLines) {
            // The run that costs least per line saved; a run between two of one family
            // saves two.
            std::size_t cheapest = runs;
            double cheapestRate = 0;
            for (std::size_t r = 0; r + 1 < runs; ++r) {
                const bool joins =
                    r > 0 && family_[order_[runStart[r - 1]]] == family_[order_[runStart[r + 1]]];
                const double rate = static_cast<double>(runCost[r]) / (joins ? 2.0 : 1.0);
                if (cheapest == runs || rate < cheapestRate) {
                    cheapest = r;
                    cheapestRate = rate;
                }
            }
            if (cheapest == runs)
                return;
            remove(runStart[cheapest], runStart[cheapest + 1]);
        } else {
            std::uint32_t cheapest = nothingHeld_;
            for (std::uint32_t p : order_)
                if (p != nothingHeld_ && (cheapest == nothingHeld_ || cost[p] < cost[cheapest]))
                    cheapest = p;
            if (cheapest == nothingHeld_ || cost[cheapest] >= threshold)
                return;
            const auto at = static_cast<std::size_t>(pos_[cheapest]);
            remove(at, at + 1);
        }
        search();
    }
}

std::vector<HoldPattern> ChartSearch::usedOrder() const {
    std::vector<HoldPattern> order;
    for (std::uint32_t p : order_)
        order.push_back(patterns_[p]);
    return order;
}

} // namespace

std::vector<HoldPattern> buildChartOrder(const Game& game, int maxLines, double minLineWorth,
                                         const Progress& progress) {
    ChartSearch search(game, progress);
    search.search();
    if (progress)
        progress(0.85);
    // Unused patterns stay candidates only until pruning starts.
    const double scale = static_cast<double>(kFiveCardHands) * kDrawWeight;
    search.prune(std::max(maxLines, 1), static_cast<Int128>(minLineWorth * scale));
    if (progress)
        progress(1.0);
    return search.usedOrder();
}

} // namespace odds
