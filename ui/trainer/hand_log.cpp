#include "ui/trainer/hand_log.h"

#include "odds/card_text.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace trainer {

namespace {

constexpr const char* kDriver = "QSQLITE";

// Exact values as "n/d" text; the costs also as a number, for sums and for sorting.
QString fractionText(const odds::Fraction& value) {
    return QString::fromStdString(value.text());
}

double approximate(const odds::Fraction& value) {
    return static_cast<double>(value.numerator()) / static_cast<double>(value.denominator());
}

const QStringList& schema() {
    static const QStringList statements{
        QStringLiteral("CREATE TABLE IF NOT EXISTS hands ("
                       " id INTEGER PRIMARY KEY,"
                       " played_at INTEGER NOT NULL,"
                       " game TEXT NOT NULL,"
                       " deal TEXT NOT NULL,"
                       " held INTEGER NOT NULL CHECK (held BETWEEN 0 AND 31),"
                       " best INTEGER NOT NULL CHECK (best BETWEEN 0 AND 31),"
                       " value TEXT NOT NULL,"
                       " best_value TEXT NOT NULL,"
                       " cost TEXT NOT NULL,"
                       " cost_bets REAL NOT NULL CHECK (cost_bets >= 0),"
                       " chart_line INTEGER,"
                       " hinted INTEGER NOT NULL)"),
        // Review lists the costliest mistakes of a game and counts them by chart line, both
        // from the index alone.
        QStringLiteral("CREATE INDEX IF NOT EXISTS mistakes_by_cost"
                       " ON hands (game, cost_bets DESC) WHERE cost_bets > 0"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS mistakes_by_line"
                       " ON hands (game, chart_line, cost_bets) WHERE cost_bets > 0"),
        // The statistics and the progress chart read running totals per stretch of 500 hands
        // of a game, kept as each hand is written, instead of every hand each time.
        QStringLiteral("CREATE TABLE IF NOT EXISTS stretches ("
                       " game TEXT NOT NULL,"
                       " stretch INTEGER NOT NULL,"
                       " hands INTEGER NOT NULL,"
                       " right_hands INTEGER NOT NULL,"
                       " given_away REAL NOT NULL,"
                       " PRIMARY KEY (game, stretch))"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS count_hand AFTER INSERT ON hands BEGIN"
                       " INSERT INTO stretches (game, stretch, hands, right_hands, given_away)"
                       " VALUES (NEW.game,"
                       "  (SELECT coalesce(sum(hands), 0) FROM stretches WHERE game = NEW.game)"
                       "   / %1,"
                       "  1, NEW.cost_bets = 0, NEW.cost_bets)"
                       " ON CONFLICT (game, stretch) DO UPDATE SET hands = hands + 1,"
                       "  right_hands = right_hands + excluded.right_hands,"
                       "  given_away = given_away + excluded.given_away;"
                       " END")
            .arg(HandLog::kStretch),
    };
    return statements;
}

} // namespace

QString HandLog::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vandolin/trainer.sqlite");
}

HandLog::HandLog(const QString& path) : path_(path) {
    static QAtomicInt serial;
    connection_ = QStringLiteral("vandolin-hand-log-%1").arg(serial.fetchAndAddRelaxed(1));
    open_ = openDatabase();
}

HandLog::~HandLog() {
    insert_.reset();
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

void HandLog::fail(const QString& what, const QString& reason) {
    open_ = false;
    insert_.reset();
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::database(connection_, false).close();
    problem_ = QStringLiteral("The trainer cannot keep its log of hands in %1: %2 (%3).\n"
                              "It goes on without a memory this time.")
                   .arg(QDir::toNativeSeparators(path_), what, reason.trimmed());
}

bool HandLog::openDatabase() {
    if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(kDriver))) {
        fail(QStringLiteral("the SQLite driver is missing"),
             QStringLiteral("install libqt6sql6-sqlite"));
        return false;
    }
    const QFileInfo file(path_);
    if (!QDir().mkpath(file.absolutePath())) {
        fail(QStringLiteral("its folder cannot be made"), file.absolutePath());
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), connection_);
    db.setDatabaseName(path_);
    if (!db.open()) {
        fail(QStringLiteral("it cannot be opened"), db.lastError().text());
        return false;
    }
    QSqlQuery query(db);
    // A write-ahead log commits without waiting for the disk, and a killed process loses
    // nothing committed; only a power cut could, which a practice log can afford.
    const QStringList setUp{QStringLiteral("PRAGMA journal_mode = WAL"),
                            QStringLiteral("PRAGMA synchronous = NORMAL"),
                            QStringLiteral("PRAGMA busy_timeout = 1000")};
    for (const QString& statement : setUp) {
        if (!query.exec(statement)) {
            fail(QStringLiteral("it is not a database the trainer can use"),
                 query.lastError().text());
            return false;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        fail(QStringLiteral("it is not a database the trainer can use"), query.lastError().text());
        return false;
    }
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion) {
        fail(QStringLiteral("it was written by a newer Vandolin"),
             QStringLiteral("log version %1").arg(version));
        return false;
    }
    // Setting the version writes the file, so a log that cannot be written shows here, at
    // the start, rather than at the first hand.
    QStringList statements = schema();
    statements << QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            fail(QStringLiteral("it cannot be written"), query.lastError().text());
            return false;
        }
    }
    insert_ = std::make_unique<QSqlQuery>(db);
    if (!insert_->prepare(QStringLiteral(
            "INSERT INTO hands (played_at, game, deal, held, best, value, best_value, cost,"
            " cost_bets, chart_line, hinted) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        fail(QStringLiteral("it cannot be written"), insert_->lastError().text());
        return false;
    }
    return true;
}

bool HandLog::record(const LoggedHand& hand) {
    if (!open_)
        return false;
    const QVariantList values{
        QVariant::fromValue<qint64>(hand.playedAt),
        QString::fromStdString(hand.game),
        dealText(hand.dealt),
        hand.held,
        hand.best,
        fractionText(hand.value),
        fractionText(hand.bestValue),
        fractionText(hand.cost),
        approximate(hand.cost),
        hand.chartLine ? QVariant(*hand.chartLine) : QVariant(QMetaType::fromType<int>()),
        hand.hinted ? 1 : 0,
    };
    for (int i = 0; i < values.size(); ++i)
        insert_->bindValue(i, values[i]);
    if (!insert_->exec()) {
        fail(QStringLiteral("a hand could not be written"), insert_->lastError().text());
        return false;
    }
    return true;
}

QSqlDatabase HandLog::database() const {
    return QSqlDatabase::database(connection_, false);
}

QString HandLog::dealText(const std::array<engine::CardCode, engine::kHandSize>& dealt) {
    QStringList cards;
    for (engine::CardCode card : dealt)
        cards << QString::fromStdString(odds::cardName(card));
    return cards.join(u' ');
}

std::optional<std::array<engine::CardCode, engine::kHandSize>>
HandLog::parseDeal(const QString& text) {
    const QStringList cards = text.split(u' ');
    if (cards.size() != engine::kHandSize)
        return std::nullopt;
    std::array<engine::CardCode, engine::kHandSize> dealt{};
    for (std::size_t i = 0; i < dealt.size(); ++i) {
        const auto card = odds::parseCard(cards[static_cast<qsizetype>(i)].toStdString());
        if (!card)
            return std::nullopt;
        dealt[i] = *card;
    }
    return dealt;
}

} // namespace trainer
