#pragma once

#include "engine/card.h"
#include "odds/fraction.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QSqlDatabase;
class QSqlQuery;

namespace trainer {

// One judged hand as the log keeps it; values in bets, exact.
struct LoggedHand {
    std::string game;
    std::array<engine::CardCode, engine::kHandSize> dealt{};
    unsigned held = 0; // bit i for slot i + 1
    unsigned best = 0;
    odds::Fraction value{0, 1};
    odds::Fraction bestValue{0, 1};
    odds::Fraction cost{0, 1};
    std::optional<int> chartLine; // the strategy line the deal falls under, when known
    bool hinted = false;
    std::int64_t playedAt = 0; // milliseconds since 1970, UTC
};

// The trainer's memory: every judged hand, written to an SQLite database as it is judged, so
// a game that is killed loses at most the hand in progress. A database that cannot be opened
// or written leaves the log off with one problem text; nothing in it ever throws.
class HandLog {
public:
    static constexpr int kSchemaVersion = 1;
    // Hands per stretch of the running totals the statistics read.
    static constexpr int kStretch = 500;

    // $XDG_DATA_HOME/vandolin/trainer.sqlite, or wherever the desktop keeps user data.
    static QString defaultPath();

    explicit HandLog(const QString& path);
    ~HandLog();
    HandLog(const HandLog&) = delete;
    HandLog& operator=(const HandLog&) = delete;

    bool isOpen() const { return open_; }
    const QString& path() const { return path_; }
    // Why the log is off, for the player; empty while it works.
    const QString& problem() const { return problem_; }

    // Writes the hand at once. False (and the log off) when the database refuses it.
    bool record(const LoggedHand& hand);

    // The connection, for reading; only while the log is open.
    QSqlDatabase database() const;

    // "JS 7D 8D 5S 9C", and back; no cards for a malformed text.
    static QString dealText(const std::array<engine::CardCode, engine::kHandSize>& dealt);
    static std::optional<std::array<engine::CardCode, engine::kHandSize>>
    parseDeal(const QString& text);

private:
    bool openDatabase();
    void fail(const QString& what, const QString& reason);

    QString path_;
    QString connection_;
    bool open_ = false;
    QString problem_;
    std::unique_ptr<QSqlQuery> insert_;
};

} // namespace trainer
