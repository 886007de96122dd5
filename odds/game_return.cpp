#include "odds/game_return.h"

#include "odds/deal_classes.h"
#include "odds/game_player.h"
#include "odds/game_tables.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace odds {

namespace {

constexpr double kTableShare = 0.5;
constexpr int kMaxThreads = 64;
constexpr std::size_t kChunk = 4096;

} // namespace

GameReturnReport computeGameReturn(const Game& game, const Progress& progress, int threads) {
    if (progress)
        progress(0.0);
    const GameTables& tables = GameTables::of(game.scheme());
    const std::vector<DealClass>& classes = dealClasses();
    if (progress)
        progress(kTableShare);

    const auto workers = static_cast<std::size_t>(std::clamp(threads, 1, kMaxThreads));
    std::vector<PerClass<std::uint64_t>> partial(workers);
    const std::size_t chunks = (classes.size() + kChunk - 1) / kChunk;
    std::atomic<std::size_t> nextChunk{0};
    std::atomic<std::size_t> chunksDone{0};
    const auto work = [&](std::size_t worker) {
        GamePlayer player(game, tables);
        PerClass<std::uint64_t>& totals = partial[worker];
        for (std::size_t chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
            const std::size_t end = std::min(classes.size(), (chunk + 1) * kChunk);
            for (std::size_t i = chunk * kChunk; i < end; ++i) {
                const GameHoldScore best = player.bestHold(classes[i].cards);
                for (std::size_t c = 0; c < totals.size(); ++c)
                    totals[c] += std::uint64_t{best.scaledCounts[c]} * classes[i].weight;
            }
            const std::size_t done = ++chunksDone;
            if (worker == 0 && progress)
                progress(kTableShare + (1.0 - kTableShare) * static_cast<double>(done) /
                                           static_cast<double>(chunks));
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t worker = 1; worker < workers; ++worker)
            helpers.emplace_back(work, worker);
        work(0);
    }

    GameReturnReport report;
    const PerClass<std::int64_t> gross = game.grossPays();
    for (const auto& totals : partial)
        for (std::size_t c = 0; c < totals.size(); ++c)
            report.weighted[c] += totals[c];
    for (std::size_t c = 0; c < report.weighted.size(); ++c) {
        report.total += report.weighted[c];
        report.grossTotal += static_cast<Int128>(gross[c]) * report.weighted[c];
    }
    if (progress)
        progress(1.0);
    return report;
}

} // namespace odds
