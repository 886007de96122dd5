// The trainer's cost per round, on real widgets (offscreen): the plain table against the
// trainer, each dealing and drawing through the deck's handler as a click does; and the
// coach alone, which is where the analyser's time goes.
#include "odds/hand_table.h"
#include "ui/trainer/coach.h"
#include "ui/trainer/trainer_form.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <memory>

namespace {

// One deal and one draw, holding what the deal gave. The bankroll is topped up so that no
// game-over box ever opens.
template <class Table> void BM_Round(benchmark::State& state) {
    odds::HandTable::instance();
    std::uint32_t clock = 1000;
    auto table = std::make_unique<Table>([&clock] { return clock; });
    table->show();
    for (auto _ : state) {
        ++clock;
        table->game().Cash = 100;
        table->Mazzo1Click();
        table->Mazzo1Click();
    }
}
BENCHMARK(BM_Round<ui::TMainForm>)->Name("BM_RoundPlainTable")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Round<ui::TTrainerForm>)->Name("BM_RoundTrainer")->Unit(benchmark::kMillisecond);

// The coach seeing a deal (which values every hold), a hint and a draw that replaced slot 1.
void BM_CoachDealHintDraw(benchmark::State& state) {
    odds::HandTable::instance();
    const std::array<std::array<engine::CardCode, 5>, 4> deals{
        {{11, 12, 13, 1, 28}, {2, 20, 35, 50, 10}, {7, 20, 33, 45, 13}, {40, 41, 42, 43, 44}}};
    trainer::Coach coach;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& deal = deals[next];
        next = (next + 1) % deals.size();
        coach.Follow({.step = engine::RoundStep::Dealt, .dealt = deal, .hand = deal});
        coach.Hint();
        coach.Follow(
            {.step = engine::RoundStep::Drawn, .dealt = deal, .hand = deal, .held = 0b11110});
        benchmark::DoNotOptimize(coach.tally());
    }
}
BENCHMARK(BM_CoachDealHintDraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
