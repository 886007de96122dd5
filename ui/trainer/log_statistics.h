#pragma once

#include "ui/trainer/hand_log.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QSqlDatabase;

namespace trainer {

// What the log says about a player: over every game, or over one.
struct Summary {
    int hands = 0;
    int right = 0;          // hands held as well as the best hold
    double givenAway = 0.0; // bets, summed over the mistakes

    double accuracy() const { return hands ? static_cast<double>(right) / hands : 0.0; }
    double givenAwayPer100() const { return hands ? givenAway * 100.0 / hands : 0.0; }
};

// Accuracy over one stretch of hands, oldest stretch first.
struct ProgressPoint {
    int firstHand = 0; // 1-based, counted in the game's own hands
    int hands = 0;
    double accuracy = 0.0;
};

// One past mistake, as the Review lists it.
struct Mistake {
    QString deal; // "JS 7D 8D 5S 9C"
    unsigned held = 0;
    unsigned best = 0;
    QString value;     // exact, "n/d"
    QString bestValue; // exact
    QString exactCost; // exact
    double cost = 0.0;
    std::optional<int> chartLine;
    QDateTime playedAt;
};

// A chart line the player gets wrong, with how often and what it cost.
struct LineRecord {
    std::optional<int> chartLine; // none: hands logged before the line was known
    int mistakes = 0;
    double cost = 0.0;
};

enum class MistakeOrder { Costliest, ByChartLine };

// Reads statistics and mistakes out of the trainer's log. Every query is bounded by an index
// or a single pass, so that a log of a hundred thousand hands still opens at once.
class LogStatistics {
public:
    static constexpr int kStretch = HandLog::kStretch; // hands per point of the progress chart
    static constexpr int kMistakesShown = 200;

    explicit LogStatistics(const QSqlDatabase& database);

    // No game: every game.
    Summary summary(const std::optional<QString>& game = std::nullopt) const;
    std::vector<ProgressPoint> progress(const QString& game) const;
    std::vector<Mistake> mistakes(const QString& game, MistakeOrder order,
                                  int limit = kMistakesShown) const;
    // The lines with the most mistakes first; equal counts, the costlier first.
    std::vector<LineRecord> linesMostWrong(const QString& game) const;

private:
    QString connection_;
};

} // namespace trainer
