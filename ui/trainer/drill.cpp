#include "ui/trainer/drill.h"

namespace trainer {

namespace {

std::string ruleName(const odds::StrategyChart& chart, int line) {
    return "rule " + std::to_string(line + 1) + ", " +
           chart.lines()[static_cast<std::size_t>(line)].text;
}

} // namespace

Drill::Drill(std::shared_ptr<const odds::StrategyChart> chart, std::vector<int> lines,
             int maxShuffles)
    : chart_(std::move(chart)), maxShuffles_(maxShuffles) {
    for (int line : lines)
        if (line >= 0 && static_cast<std::size_t>(line) < chart_->lines().size())
            lines_.push_back(line);
}

std::optional<int> Drill::line() const {
    return done() ? std::nullopt : std::optional<int>(lines_[next_]);
}

bool Drill::arrange(engine::Game& game) {
    while (!done()) {
        const int wanted = lines_[next_];
        for (int shuffle = 0; shuffle < maxShuffles_; ++shuffle) {
            if (shuffle > 0) {
                // The deck from new order each time, so every try is the game's own shuffle.
                game.ResetDeck();
                game.Reshuffle();
            }
            const odds::Hand dealt{game.Deck[1], game.Deck[2], game.Deck[3], game.Deck[4],
                                   game.Deck[5]};
            if (chart_->advise(dealt).line == wanted)
                return true;
        }
        problem_ = "No deal came under " + ruleName(*chart_, wanted) + " in " +
                   std::to_string(maxShuffles_) + " shuffles; the drill moves on";
        moveOn();
    }
    return false;
}

void Drill::judged(bool right) {
    if (done())
        return;
    rightInARow_ = right ? rightInARow_ + 1 : 0;
    if (rightInARow_ >= kRightInARow) {
        problem_.clear();
        moveOn();
    }
}

void Drill::moveOn() {
    ++next_;
    rightInARow_ = 0;
}

std::string Drill::StatusText() const {
    if (done())
        return problem_.empty() ? "Drill done: every line played right " +
                                      std::to_string(kRightInARow) + " times in a row"
                                : problem_ + "; drill over";
    return "Drill: " + ruleName(*chart_, lines_[next_]) + " \u2014 " +
           std::to_string(rightInARow_) + " of " + std::to_string(kRightInARow) + " right in a row";
}

} // namespace trainer
