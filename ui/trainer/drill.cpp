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

void ShuffledDeck::placeIn(engine::Game& game) const {
    game.Deck = deck;
    game.RandomState = randomState;
    game.DeckPos = 1;
}

std::optional<int> Drill::line() const {
    return done() ? std::nullopt : std::optional<int>(lines_[next_]);
}

std::optional<ShuffledDeck> Drill::search(const odds::StrategyChart& chart, int line,
                                          ShuffledDeck start, int maxShuffles,
                                          const std::atomic_bool* cancelled) {
    ShuffledDeck tried = start;
    for (int shuffle = 0; shuffle < maxShuffles; ++shuffle) {
        if (shuffle > 0) {
            // The deck from new order each time, so every try is the game's own shuffle.
            tried.deck = engine::OrderedDeck();
            engine::ShuffleDeckOrder(tried.deck, tried.randomState);
        }
        if (cancelled && *cancelled)
            return std::nullopt;
        const odds::Hand dealt{tried.deck[1], tried.deck[2], tried.deck[3], tried.deck[4],
                               tried.deck[5]};
        if (chart.advise(dealt).line == line)
            return tried;
    }
    return std::nullopt;
}

bool Drill::arrange(engine::Game& game) {
    while (!done()) {
        const std::optional<ShuffledDeck> found =
            search(*chart_, lines_[next_], {game.Deck, game.RandomState}, maxShuffles_);
        if (found) {
            found->placeIn(game);
            return true;
        }
        giveUp();
    }
    return false;
}

void Drill::giveUp() {
    if (done())
        return;
    problem_ = "No deal came under " + ruleName(*chart_, lines_[next_]) + " in " +
               std::to_string(maxShuffles_) + " shuffles; the drill moves on";
    moveOn();
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
