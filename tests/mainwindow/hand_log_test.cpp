// The trainer's memory: what a judged hand leaves in the database, that it is there as soon as
// the hand is judged, that nothing is written without the trainer, and that a database which
// cannot be used costs one message and nothing else.
#include "window_driver.h"

#include "ui/trainer/hand_log.h"
#include "ui/trainer/trainer_form.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace testing_support;

namespace {

// Reads the log as another program would, on a connection of its own.
class LogReader {
public:
    explicit LogReader(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        db.open();
    }
    ~LogReader() { QSqlDatabase::removeDatabase(kName); }
    // Every row of the query's first column, as text.
    std::vector<std::string> column(const QString& sql) const {
        std::vector<std::string> values;
        QSqlQuery query(QSqlDatabase::database(kName));
        query.exec(sql);
        while (query.next())
            values.push_back(query.value(0).toString().toStdString());
        return values;
    }

private:
    static inline const QString kName = QStringLiteral("log-reader");
};

// Each test keeps the player's data in a folder of its own.
class HandLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", previous); }
    QString logPath() const { return data.path() + QStringLiteral("/vandolin/trainer.sqlite"); }

    static trainer::LoggedHand sampleHand() {
        trainer::LoggedHand hand;
        hand.game = "game";
        hand.dealt = {50, 20, 21, 44, 9}; // J♠ 7♦ 8♦ 5♠ 9♣
        hand.held = 0b10001;
        hand.best = 0b00001;
        hand.value = odds::Fraction(-24, 5405);
        hand.bestValue = odds::Fraction(1, 3);
        hand.cost = odds::Fraction(5477, 16215); // 1/3 + 24/5405
        hand.hinted = true;
        hand.playedAt = 1'765'000'000'000;
        return hand;
    }

    QTemporaryDir data;
    QByteArray previous;
};

TEST_F(HandLogTest, AJudgedHandIsInTheDatabaseExactlyAndAtOnce) {
    EXPECT_EQ(trainer::HandLog::defaultPath(), logPath());
    {
        trainer::HandLog log(trainer::HandLog::defaultPath());
        ASSERT_TRUE(log.isOpen()) << log.problem().toStdString();
        ASSERT_TRUE(log.record(sampleHand()));
        // Read while the writer is still open, as after a crash nothing more would come.
        const LogReader reader(logPath());
        EXPECT_EQ(
            reader.column(QStringLiteral("SELECT deal || '|' || held || '|' || best || '|' ||"
                                         " value || '|' || best_value || '|' || cost || '|' ||"
                                         " coalesce(chart_line, 'none') || '|' || hinted ||"
                                         " '|' || played_at || '|' || game FROM hands")),
            std::vector<std::string>{"JS 7D 8D 5S 9C|17|1|-24/5405|1/3|5477/16215|none|1|"
                                     "1765000000000|game"});
        EXPECT_NEAR(std::stod(reader.column(QStringLiteral("SELECT cost_bets FROM hands"))[0]),
                    5477.0 / 16215.0, 1e-12);
        EXPECT_EQ(reader.column(QStringLiteral("PRAGMA user_version")),
                  std::vector<std::string>{"1"});
    }
    // A later session adds to the same log.
    trainer::HandLog again(trainer::HandLog::defaultPath());
    ASSERT_TRUE(again.record(sampleHand()));
    const LogReader reader(logPath());
    EXPECT_EQ(reader.column(QStringLiteral("SELECT count(*) FROM hands")),
              std::vector<std::string>{"2"});
    EXPECT_EQ(trainer::HandLog::parseDeal(QStringLiteral("JS 7D 8D 5S 9C")), sampleHand().dealt);
    EXPECT_FALSE(trainer::HandLog::parseDeal(QStringLiteral("JS 7D 8D 5S")));
}

// Whatever stands where the log should be, the log is off with a reason naming the place,
// and writing to it fails quietly.
TEST_F(HandLogTest, ALogThatCannotBeUsedIsOffWithAReason) {
    const auto checkOff = [](const QString& path, const char* what) {
        trainer::HandLog log(path);
        EXPECT_FALSE(log.isOpen()) << what;
        EXPECT_TRUE(log.problem().contains(QDir::toNativeSeparators(path))) << what;
        EXPECT_FALSE(log.record(sampleHand())) << what;
    };
    const QString dir = data.path();
    QFile blocker(dir + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    checkOff(dir + QStringLiteral("/file/vandolin/trainer.sqlite"), "folder blocked by a file");

    ASSERT_TRUE(QDir(dir).mkpath(QStringLiteral("adir/trainer.sqlite")));
    checkOff(dir + QStringLiteral("/adir/trainer.sqlite"), "a folder in the file's place");

    QFile corrupt(dir + QStringLiteral("/corrupt.sqlite"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(8192, '\x5a'));
    corrupt.close();
    checkOff(corrupt.fileName(), "a corrupt file");

    const QString newer = dir + QStringLiteral("/newer.sqlite");
    {
        trainer::HandLog log(newer);
        QSqlQuery(log.database()).exec(QStringLiteral("PRAGMA user_version = 99"));
    }
    checkOff(newer, "a log of a newer version");

    // A file the player may not write; root writes anything, so this case needs another user.
    if (geteuid() != 0) {
        const QString readOnly = dir + QStringLiteral("/readonly.sqlite");
        { trainer::HandLog log(readOnly); }
        QFile::remove(readOnly + QStringLiteral("-wal"));
        QFile::remove(readOnly + QStringLiteral("-shm"));
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
        checkOff(readOnly, "a read-only file");
    }
}

// The trainer logs the hands it judges; a log it cannot use is reported once and the trainer
// goes on advising; the table without the trainer writes nothing.
TEST_F(HandLogTest, TheTrainerLogsEveryJudgedHand) {
    auto table = std::make_unique<ui::TTrainerForm>([] { return kFixedClock; });
    table->waitForOdds();
    Activate(*table);
    for (int round = 0; round < 3; ++round) {
        Click(table->widgets().Mazzo1);
        Click(table->widgets().Carte2);
        Click(table->widgets().Mazzo1);
    }
    const LogReader reader(logPath());
    EXPECT_EQ(reader.column(QStringLiteral("SELECT held FROM hands")),
              (std::vector<std::string>{"29", "29", "29"}));
    EXPECT_EQ(
        reader.column(QStringLiteral("SELECT DISTINCT deal FROM hands")),
        std::vector<std::string>{trainer::HandLog::dealText({18, 4, 40, 52, 48}).toStdString()});
}

TEST_F(HandLogTest, ABrokenLogCostsOneMessageAndNothingElse) {
    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("vandolin")));
    QFile corrupt(logPath());
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(4096, '\x01'));
    corrupt.close();

    ModalAnswerer answerer;
    auto table = std::make_unique<ui::TTrainerForm>([] { return kFixedClock; });
    table->waitForOdds();
    Activate(*table);
    for (int round = 0; round < 2; ++round) {
        Click(table->widgets().Mazzo1);
        Click(table->widgets().Mazzo1);
    }
    QTest::qWait(50);
    ASSERT_EQ(answerer.seen().size(), 1);
    EXPECT_TRUE(answerer.seen()[0].text.contains(QStringLiteral("without a memory")))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(table->coach().tally().hands, 2);
    EXPECT_FALSE(table->verdictLine()->text().isEmpty());
}

TEST_F(HandLogTest, TheTableWithoutTheTrainerWritesNothing) {
    const auto table = OpenTable();
    Click(table->widgets().Mazzo1);
    Click(table->widgets().Mazzo1);
    EXPECT_FALSE(QFileInfo::exists(data.path() + QStringLiteral("/vandolin")));
}

} // namespace
