#include "ui/trainer/coach.h"

#include "ui/trainer/bets_text.h"

#include <algorithm>

namespace trainer {

namespace {

std::string cardText(engine::CardCode code) {
    static constexpr std::array<std::string_view, engine::kRanksPerSuit + 1> kRanks{
        "", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static constexpr std::array<std::string_view, engine::kSuitCount + 1> kSuits{
        "", "\u2663", "\u2666", "\u2665", "\u2660"};
    if (!engine::IsCardCode(code))
        return "?";
    return std::string(kRanks[static_cast<std::size_t>(engine::RankOf(code))]) +
           std::string(kSuits[static_cast<std::size_t>(engine::SuitOf(code))]);
}

} // namespace

Coach::Coach(odds::Game game) : game_(std::move(game)) {}

void Coach::setChart(std::shared_ptr<const odds::StrategyChart> chart) {
    chart_ = std::move(chart);
    advice_.reset();
}

const odds::ChartAdvice* Coach::Advice() {
    if (!chart_ || !odds::isValidHand(dealt_))
        return nullptr;
    if (!advice_)
        advice_ = chart_->advise(dealt_);
    return advice_->line >= 0 ? &*advice_ : nullptr;
}

std::optional<int> Coach::ChartRule() {
    const odds::ChartAdvice* advice = Advice();
    return advice ? std::optional<int>(advice->line) : std::nullopt;
}

std::string Coach::RuleText(int line) const {
    return "Rule " + std::to_string(line + 1) + ": " +
           chart_->lines()[static_cast<std::size_t>(line)].text;
}

std::string Coach::HoldText(const std::array<engine::CardCode, engine::kHandSize>& hand,
                            unsigned mask) {
    std::string text;
    for (std::size_t slot = 0; slot < hand.size(); ++slot) {
        if (!(mask & (1u << slot)))
            continue;
        if (!text.empty())
            text += ' ';
        text += cardText(hand[slot]);
    }
    return text.empty() ? "nothing" : text;
}

void Coach::Follow(const engine::RoundNotice& notice) {
    switch (notice.step) {
    case engine::RoundStep::Dealt:
        Dealt(notice.dealt);
        break;
    case engine::RoundStep::Drawn:
        if (analysis_ && notice.dealt == dealt_)
            Drawn(notice.held);
        break;
    case engine::RoundStep::NewGame:
        analysis_.reset();
        judged_.reset();
        hinted_ = false;
        mistaken_ = false;
        tally_ = Tally();
        first_ = "Deal, then press H for the best hold";
        second_.clear();
        chartLine_.clear();
        break;
    }
}

void Coach::Dealt(const std::array<engine::CardCode, engine::kHandSize>& hand) {
    dealt_ = hand;
    hinted_ = false;
    mistaken_ = false;
    judged_.reset();
    second_.clear();
    chartLine_.clear();
    advice_.reset();
    // The deal always shows five different cards; anything else gets no advice.
    if (!odds::isValidHand(dealt_)) {
        analysis_.reset();
        first_.clear();
        return;
    }
    analysis_ = odds::analyseGameHand(dealt_, game_);
    first_ = "Press H for the best hold";
}

std::string Coach::BestText(int places) const {
    const odds::GameHoldOutcome& best = analysis_->best();
    return "Best: keep " + HoldText(dealt_, best.mask) + " \u2014 " +
           signedBets(best.value(odds::PayBasis::Net), places);
}

void Coach::Hint() {
    if (!analysis_)
        return;
    if (!hinted_)
        ++tally_.hints;
    hinted_ = true;
    first_ = BestText(placesFor(analysis_->best().value(odds::PayBasis::Net)));
    if (const odds::ChartAdvice* advice = Advice()) {
        chartLine_ = RuleText(advice->line);
        // The chart plays a pattern; on a few deals the exact best is another hold.
        if (advice->mask != analysis_->best().mask)
            chartLine_ += " (here the chart keeps " + HoldText(dealt_, advice->mask) + ")";
    }
}

bool Coach::Warn(unsigned held, const odds::Fraction& threshold) {
    if (!analysis_)
        return false;
    const auto chosen =
        std::find_if(analysis_->holds.begin(), analysis_->holds.end(),
                     [held](const odds::GameHoldOutcome& h) { return h.mask == held; });
    if (chosen == analysis_->holds.end())
        return false;
    const odds::Fraction cost =
        minus(analysis_->best().value(odds::PayBasis::Net), chosen->value(odds::PayBasis::Net));
    // cost > threshold, both with positive denominators
    if (cost.numerator() * threshold.denominator() <= threshold.numerator() * cost.denominator())
        return false;
    first_ = "Careful! " + BestText(placesFor(analysis_->best().value(odds::PayBasis::Net))) +
             ". Draw again to draw anyway";
    return true;
}

void Coach::Unwarn() {
    if (!analysis_)
        return;
    first_ = hinted_ ? BestText(placesFor(analysis_->best().value(odds::PayBasis::Net)))
                     : "Press H for the best hold";
}

void Coach::Drawn(unsigned held) {
    const auto chosen =
        std::find_if(analysis_->holds.begin(), analysis_->holds.end(),
                     [held](const odds::GameHoldOutcome& h) { return h.mask == held; });
    Judgement judgement;
    judgement.dealt = dealt_;
    judgement.held = held;
    judgement.best = analysis_->best().mask;
    judgement.value = chosen->value(odds::PayBasis::Net);
    judgement.bestValue = analysis_->best().value(odds::PayBasis::Net);
    judgement.cost = minus(judgement.bestValue, judgement.value);
    judgement.hinted = hinted_;
    const odds::ChartAdvice* advice = Advice();
    if (advice)
        judgement.chartLine = advice->line + 1;

    ++tally_.hands;
    // Both values at the places that tell them apart, so a mistake never looks like a tie.
    const int places = placesToTellApart(judgement.value, judgement.bestValue);
    first_ =
        "You kept " + HoldText(dealt_, held) + " \u2014 " + signedBets(judgement.value, places);
    if (judgement.cost.numerator() == 0) {
        ++tally_.right;
        second_ = std::string(kRightMark) + "Right: no hold is worth more.";
    } else {
        ++tally_.mistakes;
        mistaken_ = true;
        tally_.givenAway = plus(tally_.givenAway, judgement.cost);
        second_ = std::string(kMistakeMark) + BestText(places) + "; cost " +
                  bets(judgement.cost, placesFor(judgement.cost));
    }
    chartLine_.clear();
    if (advice) {
        chartLine_ = RuleText(advice->line);
        if (judgement.cost.numerator() != 0) {
            // Which line the kept cards would have come from, if the chart names them at all.
            odds::HandIndices cards{};
            for (std::size_t slot = 0; slot < cards.size(); ++slot)
                cards[slot] = odds::indexOf(dealt_[slot]);
            const int followed =
                chart_->lineOf(odds::holdPattern(chart_->game().scheme(), cards, held));
            chartLine_ += followed >= 0 ? "; you played rule " + std::to_string(followed + 1)
                                        : "; no rule keeps what you kept";
        }
    }
    judged_ = judgement;
    analysis_.reset();
}

std::string Coach::TallyLine() const {
    // Hands played right are the hands less the mistakes; the line has no room for both.
    return "Hands " + std::to_string(tally_.hands) + "  Mistakes " +
           std::to_string(tally_.mistakes) + "  Given away " +
           bets(tally_.givenAway, placesFor(tally_.givenAway)) + "  Hints " +
           std::to_string(tally_.hints);
}

} // namespace trainer
