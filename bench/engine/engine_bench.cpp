#include "engine/game.h"
#include "engine/hand_evaluator.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// The shuffle needs a game, and a game needs somewhere to show things; here nowhere.
class NullView : public engine::GameView {
public:
    void ShowCard(int, int) override {}
    void ShowBack(int) override {}
    void ResetScores() override {}
    void LightScore(int) override {}
    void SetModeColor(engine::TColor) override {}
    void SetModeText(const std::string&) override {}
    void SetStatusText(const std::string&) override {}
    void SetCommandEnabled(engine::Command, bool) override {}
    void SetDeckCursor(engine::ScreenCursor) override {}
    void SetBetBarText(const std::string&) override {}
    void SetScoreBarText(const std::string&) override {}
    void Beep(engine::BeepType) override {}
    void AppMessageBox(const std::string&, const std::string&) override {}
    engine::PromptAnswer AskText(const std::string&, const std::string&,
                                 const std::string& preset) override {
        return {preset, false};
    }
};

constexpr long kAllHands = 2'598'960;

void ClassifyAllHands(benchmark::State& state) {
    for (auto _ : state) {
        std::array<long, engine::kResultCount + 1> count{};
        std::array<engine::CardCode, engine::kHandSize> h{};
        for (h[0] = 1; h[0] <= 48; ++h[0])
            for (h[1] = h[0] + 1; h[1] <= 49; ++h[1])
                for (h[2] = h[1] + 1; h[2] <= 50; ++h[2])
                    for (h[3] = h[2] + 1; h[3] <= 51; ++h[3])
                        for (h[4] = h[3] + 1; h[4] <= 52; ++h[4])
                            ++count[engine::EvaluateCards(h)];
        benchmark::DoNotOptimize(count);
    }
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(kAllHands) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(ClassifyAllHands)->Unit(benchmark::kMillisecond);

void ShuffleDeck(benchmark::State& state) {
    NullView view;
    std::uint32_t now = 0;
    engine::Game game(view, [&now] { return now++; });
    game.ResetDeck();
    for (auto _ : state) {
        game.ShuffleDeck();
        benchmark::DoNotOptimize(game.Deck);
    }
    state.counters["shuffles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(ShuffleDeck);

} // namespace
