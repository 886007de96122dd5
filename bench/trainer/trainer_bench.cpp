// The trainer's cost per round, on real widgets (offscreen): the plain table against the
// trainer, each dealing and drawing through the deck's handler as a click does; and the
// coach alone, which is where the analyser's time goes.
#include "odds/game_tables.h"
#include "ui/trainer/coach.h"
#include "ui/trainer/drill.h"
#include "ui/trainer/hand_log.h"
#include "ui/trainer/review_window.h"
#include "ui/trainer/trainer_form.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace {

// One deal and one draw, holding what the deal gave. The bankroll is topped up so that no
// game-over box ever opens.
template <class Table> void BM_Round(benchmark::State& state) {
    odds::GameTables::of(odds::builtInGames().front().scheme());
    std::uint32_t clock = 1000;
    auto table = std::make_unique<Table>([&clock] { return clock; });
    table->show();
    if constexpr (std::is_same_v<Table, ui::TTrainerForm>)
        table->waitForOdds();
    for (auto _ : state) {
        ++clock;
        table->game().Cash = 100;
        table->Mazzo1Click();
        table->Mazzo1Click();
    }
}
BENCHMARK(BM_Round<ui::TMainForm>)->Name("BM_RoundPlainTable")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Round<ui::TTrainerForm>)->Name("BM_RoundTrainer")->Unit(benchmark::kMillisecond);

// The coach seeing a deal (which values every hold), a hint and a draw that replaced slot 1,
// under each of the analyser's games (the argument indexes odds::builtInGames()).
void BM_CoachDealHintDraw(benchmark::State& state) {
    const odds::Game& game = odds::builtInGames()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(game.name());
    odds::GameTables::of(game.scheme());
    const std::array<std::array<engine::CardCode, 5>, 4> deals{
        {{11, 12, 13, 1, 28}, {2, 20, 35, 50, 10}, {7, 20, 33, 45, 13}, {40, 41, 42, 43, 44}}};
    trainer::Coach coach(game);
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
BENCHMARK(BM_CoachDealHintDraw)
    ->DenseRange(0, static_cast<int>(odds::builtInGames().size()) - 1)
    ->Unit(benchmark::kMillisecond);

// The drill's worst case, which the deck click waits for: a rule no deal reaches, given up
// after Drill::kMaxShuffles of the game's own shuffles, each deal put to the chart.
void BM_DrillGivesUpARule(benchmark::State& state) {
    const odds::Game& game = odds::builtInGames().front();
    const odds::Hand flushDraw{engine::CardOf(4, 2), engine::CardOf(4, 5), engine::CardOf(4, 8),
                               engine::CardOf(4, 9), engine::CardOf(2, 13)}; // four spades
    odds::HandIndices cards{};
    for (std::size_t slot = 0; slot < cards.size(); ++slot)
        cards[slot] = odds::indexOf(flushDraw[slot]);
    // "Draw five" first: no deal ever falls to the flush draw's rule after it.
    const auto chart = std::make_shared<const odds::StrategyChart>(
        game, std::vector{odds::holdPattern(game.scheme(), cards, 0),
                          odds::holdPattern(game.scheme(), cards, 0b01111)});
    ui::TMainForm table([] { return 1000u; });
    for (auto _ : state) {
        trainer::Drill drill(chart, {1});
        table.game().ResetDeck(); // as the deal does before it asks the drill
        table.game().ShuffleDeck();
        benchmark::DoNotOptimize(drill.arrange(table.game()));
    }
}
BENCHMARK(BM_DrillGivesUpARule)->Unit(benchmark::kMillisecond)->Iterations(3);

// Writing one judged hand to the trainer's log, as the game does after each draw: one
// committed insert into the write-ahead log.
void BM_LogHand(benchmark::State& state) {
    QTemporaryDir data;
    trainer::HandLog log(data.path() + QStringLiteral("/trainer.sqlite"));
    trainer::LoggedHand hand;
    hand.game = "game";
    hand.dealt = {50, 20, 21, 44, 9};
    hand.held = 0b10001;
    hand.value = odds::Fraction(-24, 5405);
    hand.bestValue = odds::Fraction(1, 3);
    hand.cost = odds::Fraction(5477, 16215);
    for (auto _ : state) {
        ++hand.playedAt;
        if (!log.record(hand)) {
            state.SkipWithError(log.problem().toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(BM_LogHand)->Unit(benchmark::kMicrosecond);

// Opening the Review over a log of 100,000 hands of one game, a quarter of them mistakes:
// the statistics, the progress chart's points and both lists, read and put in the window.
void BM_OpenReview(benchmark::State& state) {
    QTemporaryDir data;
    trainer::HandLog log(data.path() + QStringLiteral("/trainer.sqlite"));
    QSqlDatabase db = log.database();
    db.transaction();
    trainer::LoggedHand hand;
    hand.game = "game";
    for (int i = 0; i < 100'000; ++i) {
        hand.dealt = {1, 2, 3, 4, 5 + i % 40};
        hand.held = static_cast<unsigned>(i % 32);
        const bool wrong = i % 4 == 0;
        hand.best = wrong ? hand.held ^ 1u : hand.held;
        hand.cost = odds::Fraction(wrong ? 1 + (i * 7919) % 5000 : 0, 10000);
        hand.chartLine = wrong ? std::optional<int>(1 + i % 40) : std::nullopt;
        hand.playedAt = i;
        log.record(hand);
    }
    db.commit();
    for (auto _ : state) {
        ui::ReviewWindow review(log.database(), QStringLiteral("game"));
        review.show();
        QApplication::processEvents(); // laid out and painted once
        benchmark::DoNotOptimize(review.mistakeList());
    }
}
BENCHMARK(BM_OpenReview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The trainer's rounds log their hands: into a folder of the run's own, not the user's.
    const QTemporaryDir data;
    setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
