#include "ui/trainer/coach.h"

#include "odds/pay_table.h"

namespace trainer {

namespace {

// The mode texts the round controller shows at the deal, at the draw and for a new game.
constexpr std::string_view kDrawMode = "DRAW";
constexpr std::string_view kDealMode = "DEAL";
constexpr std::string_view kNewGameMode = "&Start";

odds::Fraction minus(const odds::Fraction& a, const odds::Fraction& b) {
    return {a.numerator() * b.denominator() - b.numerator() * a.denominator(),
            a.denominator() * b.denominator()};
}

odds::Fraction plus(const odds::Fraction& a, const odds::Fraction& b) {
    return {a.numerator() * b.denominator() + b.numerator() * a.denominator(),
            a.denominator() * b.denominator()};
}

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

std::string Coach::BetsText(const odds::Fraction& value) {
    const std::string digits = value.decimal(2);
    return digits.starts_with('-') ? digits : "+" + digits;
}

void Coach::CardShown(int slot, int picture) {
    if (slot >= 1 && slot <= engine::kHandSize)
        shown_[static_cast<std::size_t>(slot - 1)] = picture;
}

void Coach::CardCovered(int slot) {
    if (slot >= 1 && slot <= engine::kHandSize)
        shown_[static_cast<std::size_t>(slot - 1)] = 0;
}

void Coach::ModeShown(const std::string& text) {
    if (text == kDrawMode)
        Dealt();
    else if (text == kDealMode && analysis_)
        Drawn();
    else if (text == kNewGameMode)
        *this = Coach();
}

void Coach::Dealt() {
    dealt_ = shown_;
    hinted_ = false;
    mistaken_ = false;
    second_.clear();
    // The deal always shows five different cards; anything else gets no advice.
    if (!odds::isValidHand(dealt_)) {
        analysis_.reset();
        first_.clear();
        return;
    }
    analysis_ = odds::analyseHand(dealt_, odds::PayTable::game());
    first_ = "Press H for the best hold";
}

std::string Coach::BestText() const {
    const odds::HoldOutcome& best = analysis_->best();
    return "Best: keep " + HoldText(dealt_, best.mask) + " \u2014 " +
           BetsText(best.value(odds::PayBasis::Net)) + " bet";
}

void Coach::Hint() {
    if (!analysis_)
        return;
    if (!hinted_)
        ++tally_.hints;
    hinted_ = true;
    first_ = BestText();
}

void Coach::Drawn() {
    // A kept slot still shows its dealt card; a replaced one shows a card from the rest of
    // the deck, never the one it replaced.
    unsigned kept = 0;
    for (std::size_t slot = 0; slot < shown_.size(); ++slot)
        if (shown_[slot] == dealt_[slot])
            kept |= 1u << slot;
    const odds::HoldOutcome* chosen = nullptr;
    for (const odds::HoldOutcome& hold : analysis_->holds)
        if (hold.mask == kept)
            chosen = &hold;
    const odds::Fraction chosenValue = chosen->value(odds::PayBasis::Net);
    const odds::Fraction bestValue = analysis_->best().value(odds::PayBasis::Net);

    ++tally_.hands;
    first_ = "You kept " + HoldText(dealt_, kept) + " \u2014 " + BetsText(chosenValue) + " bet";
    if (chosenValue == bestValue) {
        ++tally_.right;
        second_ = "Right: no hold is worth more.";
    } else {
        ++tally_.mistakes;
        mistaken_ = true;
        const odds::Fraction cost = minus(bestValue, chosenValue);
        tally_.givenAway = plus(tally_.givenAway, cost);
        second_ = BestText() + "; cost " + cost.decimal(2) + " bet";
    }
    analysis_.reset();
}

std::string Coach::TallyLine() const {
    return "Hands " + std::to_string(tally_.hands) + "  Right " + std::to_string(tally_.right) +
           "  Mistakes " + std::to_string(tally_.mistakes) + "  Given away " +
           tally_.givenAway.decimal(2) + " bet  Hints " + std::to_string(tally_.hints);
}

} // namespace trainer
