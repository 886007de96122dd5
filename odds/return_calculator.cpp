#include "odds/return_calculator.h"

#include "odds/deal_player.h"
#include "odds/hand_table.h"
#include "odds/subset_counts.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace odds {

namespace {

// Share of the progress given to building the shared tables on first use.
constexpr double kTableShare = 0.5;

constexpr int kMaxThreads = 64;

// Deal classes handed out at a time: large enough to keep the workers' traffic small,
// small enough for a smooth progress line.
constexpr std::size_t kChunk = 4096;

} // namespace

Fraction ReturnReport::probability(HandResult result) const {
    return {static_cast<Int128>(weighted[static_cast<std::size_t>(resultIndex(result))]),
            static_cast<Int128>(total)};
}

ReturnCalculator::ReturnCalculator(const HandTable& hands, const SubsetCounts& subsets,
                                   const std::vector<DealClass>& classes)
    : hands_(hands), subsets_(subsets), classes_(classes) {}

ReturnReport ReturnCalculator::compute(const PayTable& table, const Progress& progress,
                                       int threads) const {
    const PerResult<std::int64_t> gross = table.grossPays();
    const auto workers = static_cast<std::size_t>(std::clamp(threads, 1, kMaxThreads));
    std::vector<PerResult<std::uint64_t>> partial(workers);
    const std::size_t chunks = (classes_.size() + kChunk - 1) / kChunk;
    std::atomic<std::size_t> nextChunk{0};
    std::atomic<std::size_t> chunksDone{0};

    const auto work = [&](std::size_t worker) {
        DealPlayer player(gross, hands_, subsets_);
        PerResult<std::uint64_t>& totals = partial[worker];
        for (std::size_t chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
            const std::size_t end = std::min(classes_.size(), (chunk + 1) * kChunk);
            for (std::size_t i = chunk * kChunk; i < end; ++i) {
                const HoldScore best = player.bestHold(classes_[i].cards);
                for (std::size_t r = 0; r < totals.size(); ++r)
                    totals[r] += std::uint64_t{best.scaledCounts[r]} * classes_[i].weight;
            }
            const std::size_t done = ++chunksDone;
            if (worker == 0 && progress)
                progress(static_cast<double>(done) / static_cast<double>(chunks));
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t worker = 1; worker < workers; ++worker)
            helpers.emplace_back(work, worker);
        work(0);
    } // the helpers join here

    ReturnReport result;
    for (const auto& totals : partial)
        for (std::size_t r = 0; r < totals.size(); ++r)
            result.weighted[r] += totals[r];
    for (std::size_t r = 0; r < result.weighted.size(); ++r) {
        result.total += result.weighted[r];
        result.grossTotal += static_cast<Int128>(gross[r]) * result.weighted[r];
    }
    if (progress)
        progress(1.0);
    return result;
}

ReturnReport computeReturn(const PayTable& table, const Progress& progress, int threads) {
    if (progress)
        progress(0.0);
    const HandTable& hands = HandTable::instance();
    const std::vector<DealClass>& classes = dealClasses();
    const SubsetCounts& subsets = SubsetCounts::instance();
    const Progress rest = [&](double share) {
        if (progress)
            progress(kTableShare + (1.0 - kTableShare) * share);
    };
    return ReturnCalculator(hands, subsets, classes).compute(table, rest, threads);
}

} // namespace odds
