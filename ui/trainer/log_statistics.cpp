#include "ui/trainer/log_statistics.h"

#include "ui/trainer/hand_log.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace trainer {

LogStatistics::LogStatistics(const QSqlDatabase& database)
    : connection_(database.connectionName()) {}

Summary LogStatistics::summary(const std::optional<QString>& game) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT total(hands), total(right_hands), total(given_away)"
                                 " FROM stretches%1")
                      .arg(game ? QStringLiteral(" WHERE game = ?") : QString()));
    if (game)
        query.bindValue(0, *game);
    Summary summary;
    if (query.exec() && query.next()) {
        summary.hands = static_cast<int>(query.value(0).toDouble());
        summary.right = static_cast<int>(query.value(1).toDouble());
        summary.givenAway = query.value(2).toDouble();
    }
    return summary;
}

std::vector<ProgressPoint> LogStatistics::progress(const QString& game) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT stretch, hands, right_hands FROM stretches"
                                 " WHERE game = ? ORDER BY stretch"));
    query.bindValue(0, game);
    std::vector<ProgressPoint> points;
    if (query.exec()) {
        while (query.next()) {
            const int hands = query.value(1).toInt();
            points.push_back({query.value(0).toInt() * kStretch + 1, hands,
                              hands ? query.value(2).toDouble() / hands : 0.0});
        }
    }
    return points;
}

std::vector<Mistake> LogStatistics::mistakes(const QString& game, MistakeOrder order,
                                             int limit) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    const QString orderBy = order == MistakeOrder::Costliest
                                ? QStringLiteral("cost_bets DESC, id DESC")
                                : QStringLiteral("chart_line IS NULL, chart_line, cost_bets DESC");
    query.prepare(QStringLiteral("SELECT deal, held, best, value, best_value, cost_bets,"
                                 " chart_line, played_at, cost FROM hands"
                                 " WHERE game = ? AND cost_bets > 0 ORDER BY %1 LIMIT ?")
                      .arg(orderBy));
    query.bindValue(0, game);
    query.bindValue(1, limit);
    std::vector<Mistake> mistakes;
    if (query.exec()) {
        while (query.next()) {
            Mistake mistake;
            mistake.deal = query.value(0).toString();
            mistake.held = query.value(1).toUInt();
            mistake.best = query.value(2).toUInt();
            mistake.value = query.value(3).toString();
            mistake.bestValue = query.value(4).toString();
            mistake.cost = query.value(5).toDouble();
            if (!query.value(6).isNull())
                mistake.chartLine = query.value(6).toInt();
            mistake.playedAt = QDateTime::fromMSecsSinceEpoch(query.value(7).toLongLong(), Qt::UTC);
            mistake.exactCost = query.value(8).toString();
            mistakes.push_back(std::move(mistake));
        }
    }
    return mistakes;
}

std::vector<LineRecord> LogStatistics::linesMostWrong(const QString& game) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT chart_line, count(*), total(cost_bets) FROM hands"
                                 " WHERE game = ? AND cost_bets > 0 GROUP BY chart_line"
                                 " ORDER BY 2 DESC, 3 DESC"));
    query.bindValue(0, game);
    std::vector<LineRecord> lines;
    if (query.exec()) {
        while (query.next()) {
            LineRecord line;
            if (!query.value(0).isNull())
                line.chartLine = query.value(0).toInt();
            line.mistakes = query.value(1).toInt();
            line.cost = query.value(2).toDouble();
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace trainer
