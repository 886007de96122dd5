#include "odds/card_text.h"
#include "odds/deal_classes.h"
#include "odds/game.h"
#include "odds/game_player.h"
#include "odds/game_tables.h"
#include "odds/hand_table.h"
#include "odds/hold_analysis.h"
#include "odds/return_calculator.h"
#include "odds/strategy_chart.h"
#include "odds/subset_counts.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<odds::Hand> sampleHands() {
    const char* texts[] = {"AS KS QS JS 2D", "2C 7D 9H JS KS", "7C 7D 7H 2S KC",
                           "4C 4D 5S 6H 7C", "TH JH QH KH AH", "2C 3D 7S 8H 9C"};
    std::vector<odds::Hand> hands;
    for (const char* text : texts) {
        odds::Hand hand{};
        std::size_t slot = 0;
        for (const char* p = text; slot < hand.size(); p += 3)
            hand[slot++] = *odds::parseCard(std::string_view(p, 2));
        hands.push_back(hand);
    }
    return hands;
}

// One dealt hand: all 32 holds over every draw, ranked. The scored hands are shared and
// built before timing starts, as they are once per process.
void BM_BestHoldOneHand(benchmark::State& state) {
    const auto hands = sampleHands();
    odds::HandTable::instance();
    const odds::PayTable table = odds::PayTable::jacksOrBetter96();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(odds::analyseHand(hands[next], table));
        next = (next + 1) % hands.size();
    }
}
BENCHMARK(BM_BestHoldOneHand)->Unit(benchmark::kMillisecond);

// The one-off tables, each from scratch.
void BM_ScoreAllHands(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(odds::HandTable());
}
BENCHMARK(BM_ScoreAllHands)->Unit(benchmark::kMillisecond);

void BM_SubsetCounts(benchmark::State& state) {
    const odds::HandTable& hands = odds::HandTable::instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(odds::SubsetCounts(hands));
}
BENCHMARK(BM_SubsetCounts)->Unit(benchmark::kMillisecond);

void BM_DealClasses(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(odds::buildDealClasses());
}
BENCHMARK(BM_DealClasses)->Unit(benchmark::kMillisecond);

// The whole return of a pay table from nothing: every table built, then every deal played.
// Argument: worker threads.
void BM_ReturnFromScratch(benchmark::State& state) {
    const odds::PayTable table = odds::PayTable::jacksOrBetter96();
    for (auto _ : state) {
        const odds::HandTable hands;
        const odds::SubsetCounts subsets(hands);
        const auto classes = odds::buildDealClasses();
        const odds::ReturnCalculator calculator(hands, subsets, classes);
        benchmark::DoNotOptimize(calculator.compute(table, {}, static_cast<int>(state.range(0))));
    }
}
BENCHMARK(BM_ReturnFromScratch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Another pay table once the tables exist.
void BM_ReturnWithTablesBuilt(benchmark::State& state) {
    const odds::ReturnCalculator calculator(odds::HandTable::instance(),
                                            odds::SubsetCounts::instance(), odds::dealClasses());
    const odds::PayTable table = odds::PayTable::game();
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator.compute(table, {}, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReturnWithTablesBuilt)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

namespace {

// A built-in game's return from nothing on one core: its tables built, then every deal
// played. Argument: the game's place in builtInGames().
void BM_GameReturnFromScratch(benchmark::State& state) {
    const odds::Game& game = odds::builtInGames().at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(game.name());
    odds::dealClasses();
    for (auto _ : state) {
        const odds::GameTables tables(game.scheme());
        odds::GamePlayer player(game, tables);
        std::int64_t total = 0;
        for (const odds::DealClass& deal : odds::dealClasses())
            total += player.bestHold(deal.cards).scaledValue * deal.weight;
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_GameReturnFromScratch)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// A game's chart derived and replayed over every deal, one core, the game's tables built
// beforehand as they are once per process.
void BM_ChartDeriveAndReplay(benchmark::State& state) {
    const odds::Game& game = odds::builtInGames().at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(game.name());
    odds::GameTables::of(game.scheme());
    for (auto _ : state) {
        const odds::StrategyChart chart = odds::StrategyChart::derive(game);
        benchmark::DoNotOptimize(chart.replay());
    }
}
BENCHMARK(BM_ChartDeriveAndReplay)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->Iterations(1);

// The trainer's question: which line and hold for one dealt hand.
void BM_ChartAdvice(benchmark::State& state) {
    const auto hands = sampleHands();
    static const odds::StrategyChart chart =
        odds::StrategyChart::derive(*odds::findGame("jacks-9/6"));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.advise(hands[next]));
        next = (next + 1) % hands.size();
    }
}
BENCHMARK(BM_ChartAdvice)->Unit(benchmark::kMicrosecond);

} // namespace
