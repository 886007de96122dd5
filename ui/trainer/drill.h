#pragma once

#include "engine/game.h"
#include "odds/strategy_chart.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trainer {

// A deck and the generator after it, as a shuffle leaves them.
struct ShuffledDeck {
    engine::DeckOrder deck{};
    std::uint32_t randomState = 0;

    // Makes it the game's deck, the next card the first.
    void placeIn(engine::Game& game) const;
};

// Deals hands of the chart lines a player gets wrong, one line at a time, until each is played
// right several times in a row. Honest: the game's own shuffle is redone, its generator
// running on, until the first five cards fall under the line, so every deal of that kind comes
// as often as it would at the plain table. Plain C++: the window hands it the game's deck.
class Drill {
public:
    static constexpr int kRightInARow = 3;
    // Lines come on one deal in a few hundred at most, but a dealt royal flush once in
    // 650,000: past this bound a line is given up rather than the table kept waiting.
    static constexpr int kMaxShuffles = 200'000;

    // `lines`: the chart's lines to drill (0 first), in order.
    Drill(std::shared_ptr<const odds::StrategyChart> chart, std::vector<int> lines,
          int maxShuffles = kMaxShuffles);

    // The line drilled now; none once every line is done.
    std::optional<int> line() const;
    bool done() const { return next_ >= lines_.size(); }

    // Reshuffles the game's deck until its first five cards are a deal of the drilled line.
    // A line no shuffle reaches within the bound is given up (see problem()) and the next one
    // tried; false when none is left, the deck then as last shuffled.
    bool arrange(engine::Game& game);

    // The search behind arrange(), on copies, for another thread: from a deck as the game's
    // shuffle left it, the game's shuffles again until the first five cards fall under the
    // line. Nothing when `maxShuffles` pass first or `cancelled` is set. Reads only the chart.
    static std::optional<ShuffledDeck> search(const odds::StrategyChart& chart, int line,
                                              ShuffledDeck start, int maxShuffles,
                                              const std::atomic_bool* cancelled = nullptr);
    // The drilled line came under no shuffle within the bound: the drill moves on.
    void giveUp();
    int maxShuffles() const { return maxShuffles_; }
    const std::shared_ptr<const odds::StrategyChart>& chart() const { return chart_; }
    // The drilled deal was drawn, right (no hold worth more) or not.
    void judged(bool right);

    // The strip's line: which line is drilled and how far, or why the drill ended.
    std::string StatusText() const;
    // Why the last line was given up; empty when none was.
    const std::string& problem() const { return problem_; }

private:
    void moveOn();

    std::shared_ptr<const odds::StrategyChart> chart_;
    std::vector<int> lines_;
    int maxShuffles_;
    std::size_t next_ = 0;
    int rightInARow_ = 0;
    std::string problem_;
};

} // namespace trainer
