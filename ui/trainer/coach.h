#pragma once

#include "engine/card.h"
#include "engine/game_view.h"
#include "odds/fraction.h"
#include "odds/game.h"
#include "odds/game_hold_analysis.h"
#include "odds/strategy_chart.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace trainer {

// How the session has gone so far; a new game starts it again.
struct Tally {
    int hands = 0;                  // hands drawn
    int right = 0;                  // drawn with a hold worth as much as the best
    int mistakes = 0;               // drawn with a hold worth less
    int hints = 0;                  // hands in which the best hold was asked for
    odds::Fraction givenAway{0, 1}; // expected bets lost to mistakes
};

// One drawn hand as the coach judged it, values in bets (net).
struct Judgement {
    std::array<engine::CardCode, engine::kHandSize> dealt{};
    unsigned held = 0; // bit i for slot i + 1
    unsigned best = 0;
    odds::Fraction value{0, 1};
    odds::Fraction bestValue{0, 1};
    odds::Fraction cost{0, 1}; // bestValue - value; zero when the hold was right
    bool hinted = false;
    std::optional<int> chartLine; // the rule of the chart the deal falls under, 1 first
};

// Follows a round through the steps the game tells its view (dealt, drawn, new game) and
// judges each drawn hand with the exact analyser under the game played (the table's own
// unless told otherwise). Plain C++: the window passes the notices on, the coach only listens.
class Coach {
public:
    // Marks the verdict for the eye whatever its colour; a listener hears words instead.
    static constexpr std::string_view kRightMark = "\u2713 ";
    static constexpr std::string_view kMistakeMark = "\u2717 ";

    explicit Coach(odds::Game game = odds::builtInGames().front());

    void Follow(const engine::RoundNotice& notice);
    // The game's strategy chart, once it is derived: hints and verdicts then name its lines.
    void setChart(std::shared_ptr<const odds::StrategyChart> chart);
    bool hasChart() const { return chart_ != nullptr; }
    // The chart's rule (0 first) for the hand dealt or just drawn; none without a chart.
    std::optional<int> ChartRule();

    // Whether a hint can be given: a hand is dealt and not yet drawn.
    bool CanHint() const { return analysis_.has_value(); }
    // Shows the best hold of the dealt hand; counted once per hand.
    void Hint();
    // Before a draw that keeps `held` (bit i for slot i + 1): when it would give away more
    // than `threshold` bets, shows the best hold with the warning and says so. Not a hint.
    bool Warn(unsigned held, const odds::Fraction& threshold);
    // The marks changed after a warning: the first line as it was.
    void Unwarn();

    // The strip's two lines of advice and its tally line.
    const std::string& FirstLine() const { return first_; }
    const std::string& SecondLine() const { return second_; }
    // The chart's words for the hand: shown with the hint and after the draw.
    const std::string& ChartLine() const { return chartLine_; }
    // Whether the second line tells of a mistake in the hand just drawn.
    bool Mistaken() const { return mistaken_; }
    std::string TallyLine() const;
    const Tally& tally() const { return tally_; }
    // The hand drawn last, until the next deal or new game.
    const std::optional<Judgement>& judged() const { return judged_; }
    const odds::Game& game() const { return game_; }

    // "J♣ A♣", the cards a hold of the dealt hand keeps, in slot order; "nothing" for none.
    static std::string HoldText(const std::array<engine::CardCode, engine::kHandSize>& hand,
                                unsigned mask);

private:
    void Dealt(const std::array<engine::CardCode, engine::kHandSize>& hand);
    void Drawn(unsigned held);
    std::string BestText(int places) const;
    const odds::ChartAdvice* Advice();
    std::string RuleText(int line) const;

    odds::Game game_;
    std::array<engine::CardCode, engine::kHandSize> dealt_{};
    std::optional<odds::GameHandAnalysis> analysis_; // of the dealt hand, until the draw
    std::optional<Judgement> judged_;
    std::shared_ptr<const odds::StrategyChart> chart_;
    std::optional<odds::ChartAdvice> advice_; // the chart's, for the dealt hand, when asked
    std::string chartLine_;
    bool hinted_ = false;
    bool mistaken_ = false;
    Tally tally_;
    std::string first_ = "Deal, then press H for the best hold";
    std::string second_;
};

} // namespace trainer
