#include "odds/return_calculator.h"

#include "odds/combinatorics.h"
#include "odds/deal_classes.h"
#include "odds/deal_player.h"
#include "odds/hand_table.h"
#include "odds/subset_counts.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>
#include <vector>

namespace odds {

namespace {

// Share of the progress bar given to building the shared tables.
constexpr double kTableShare = 0.5;

} // namespace

Fraction ReturnReport::probability(HandResult result) const {
    return {static_cast<Int128>(weighted[static_cast<std::size_t>(resultIndex(result))]),
            static_cast<Int128>(total)};
}

ReturnReport computeReturn(const PayTable& table, const Progress& progress, int threads) {
    const auto report = [&](double share) {
        if (progress)
            progress(share);
    };
    report(0.0);
    HandTable::instance();
    const std::vector<DealClass>& classes = dealClasses();
    SubsetCounts::instance();
    report(kTableShare);

    const PerResult<std::int64_t> gross = table.grossPays();
    const std::size_t workers = static_cast<std::size_t>(std::clamp(threads, 1, 64));
    std::vector<PerResult<std::uint64_t>> partial(workers);
    std::atomic<std::size_t> nextChunk{0};
    constexpr std::size_t kChunk = 4096;
    const std::size_t chunks = (classes.size() + kChunk - 1) / kChunk;
    std::atomic<std::size_t> chunksDone{0};

    const auto work = [&](std::size_t worker) {
        DealPlayer player(gross);
        for (std::size_t chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
            const std::size_t end = std::min(classes.size(), (chunk + 1) * kChunk);
            for (std::size_t i = chunk * kChunk; i < end; ++i) {
                const HoldScore best = player.bestHold(classes[i].cards);
                for (std::size_t r = 0; r < best.scaledCounts.size(); ++r)
                    partial[worker][r] += std::uint64_t{best.scaledCounts[r]} * classes[i].weight;
            }
            ++chunksDone;
            if (worker == 0)
                report(kTableShare + (1.0 - kTableShare) * static_cast<double>(chunksDone) /
                                         static_cast<double>(chunks));
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t worker = 1; worker < workers; ++worker)
        helpers.emplace_back(work, worker);
    work(0);
    helpers.clear(); // joins

    ReturnReport result;
    for (const auto& counts : partial)
        for (std::size_t r = 0; r < counts.size(); ++r)
            result.weighted[r] += counts[r];
    for (std::size_t r = 0; r < result.weighted.size(); ++r) {
        result.total += result.weighted[r];
        result.grossTotal += static_cast<Int128>(gross[r]) * result.weighted[r];
    }
    report(1.0);
    return result;
}

} // namespace odds
