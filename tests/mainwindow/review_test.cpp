// The Review window over a log whose answers the test works out for itself while filling it,
// and over a hand just played wrong at the trainer.
#include "window_driver.h"

#include "ui/trainer/bets_text.h"
#include "ui/trainer/hand_log.h"
#include "ui/trainer/progress_chart.h"
#include "ui/trainer/review_window.h"
#include "ui/trainer/strategy_window.h"
#include "ui/trainer/trainer_form.h"

#include "odds/hold_pattern.h"

#include <QAction>
#include <QLabel>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace testing_support;

namespace {

class ReviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", previous); }

    QTemporaryDir data;
    QByteArray previous;
};

QStringList row(const QTreeWidget* list, int index) {
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(index);
    for (int column = 0; item && column < list->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

// 1,300 hands of one game, some wrong at random costs and lines, and 200 right hands of
// another; every figure the window shows is counted here as the hands are written.
TEST_F(ReviewTest, FiguresAndListsFollowTheLog) {
    trainer::HandLog log(trainer::HandLog::defaultPath());
    ASSERT_TRUE(log.isOpen());
    std::mt19937 random(7);
    int rightInGame = 0;
    double givenAway = 0.0;
    std::map<int, std::pair<int, double>> byLine; // line: mistakes, cost
    std::array<int, 3> rightPerStretch{};
    int costliest = 0;
    for (int i = 0; i < 1500; ++i) {
        trainer::LoggedHand hand;
        hand.game = i < 1300 ? "game" : "9/6";
        hand.dealt = {1, 2, 3, 4, static_cast<engine::CardCode>(5 + i % 40)};
        hand.held = static_cast<unsigned>(random() % 32);
        const bool wrong = i < 1300 && random() % 4 == 0;
        const int cents = wrong ? static_cast<int>(1 + random() % 5000) : 0;
        hand.best = wrong ? (hand.held ^ 1u) : hand.held;
        hand.cost = odds::Fraction(cents, 10000);
        hand.chartLine =
            wrong ? std::optional<int>(static_cast<int>(1 + random() % 6)) : std::nullopt;
        hand.playedAt = 1'765'000'000'000 + i;
        ASSERT_TRUE(log.record(hand));
        if (i >= 1300)
            continue;
        if (wrong) {
            givenAway += cents / 10000.0;
            auto& line = byLine[*hand.chartLine];
            ++line.first;
            line.second += cents / 10000.0;
            costliest = std::max(costliest, cents);
        } else {
            ++rightInGame;
            ++rightPerStretch[static_cast<std::size_t>(i / 500)];
        }
    }

    ui::ReviewWindow review(log.database(), QStringLiteral("game"));
    EXPECT_TRUE(review.lifetimeLine()->text().startsWith(
        QStringLiteral("All games: 1500 hands, %1% right")
            .arg((rightInGame + 200) * 100.0 / 1500, 0, 'f', 1)))
        << review.lifetimeLine()->text().toStdString();
    EXPECT_EQ(
        review.gameLine()->text(),
        QStringLiteral("This game (the table's own): 1300 hands, %1% right, %2 bets given away per "
                       "100 hands")
            .arg(rightInGame * 100.0 / 1300, 0, 'f', 1)
            .arg(givenAway * 100.0 / 1300, 0, 'f', 2));

    const auto& points = review.chart()->points();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[2].firstHand, 1001);
    EXPECT_EQ(points[2].hands, 300);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(points[i].accuracy,
                         static_cast<double>(rightPerStretch[i]) / points[i].hands);

    // Costliest first: the list starts with the dearest mistake, and never grows dearer.
    const QTreeWidget* mistakes = review.mistakeList();
    ASSERT_GT(mistakes->topLevelItemCount(), 0);
    EXPECT_EQ(row(mistakes, 0)[3], QString::fromStdString(trainer::bets(
                                       odds::Fraction(costliest, 10000),
                                       trainer::placesFor(odds::Fraction(costliest, 10000)))));
    const auto cost = [&](int i) { return row(mistakes, i)[3].split(u' ')[0].toDouble(); };
    for (int i = 1; i < mistakes->topLevelItemCount(); ++i)
        EXPECT_GE(cost(i - 1), cost(i)) << i;

    // By chart line: the lines come in order.
    review.setOrder(trainer::MistakeOrder::ByChartLine);
    for (int i = 1; i < mistakes->topLevelItemCount(); ++i)
        EXPECT_LE(row(mistakes, i - 1)[4].mid(5).toInt(), row(mistakes, i)[4].mid(5).toInt()) << i;

    // The lines most often wrong, with their counts and costs.
    const QTreeWidget* lines = review.lineList();
    ASSERT_EQ(lines->topLevelItemCount(), static_cast<int>(byLine.size()));
    const auto most = std::max_element(byLine.begin(), byLine.end(), [](auto& a, auto& b) {
        return a.second.first < b.second.first;
    });
    EXPECT_EQ(row(lines, 0), (QStringList{QStringLiteral("rule %1").arg(most->first),
                                          QString::number(most->second.first),
                                          QString::number(most->second.second, 'f', 2)}));
}

// A hand played wrong at the trainer is in the Review at once, with its cards and holds.
TEST_F(ReviewTest, AMistakeAtTheTableIsReviewed) {
    constexpr std::uint32_t kRoyalDrawOrFlush = 7351; // J♥ K♥ Q♥ 6♥ 10♥
    auto table = std::make_unique<ui::TTrainerForm>([] { return kRoyalDrawOrFlush; });
    table->waitForOdds();
    Activate(*table);
    Click(table->widgets().Mazzo1);
    Click(table->widgets().Carte4);
    Click(table->widgets().Mazzo1);
    ASSERT_TRUE(table->reviewAction()->isEnabled());
    table->reviewAction()->trigger();
    ASSERT_NE(table->reviewWindow(), nullptr);
    EXPECT_TRUE(table->reviewWindow()->isVisible());
    const QTreeWidget* mistakes = table->reviewWindow()->mistakeList();
    ASSERT_EQ(mistakes->topLevelItemCount(), 1);
    // The chart's rule once the chart is derived, which may not be yet.
    const std::optional<int> rule = table->coach().judged()->chartLine;
    EXPECT_EQ(row(mistakes, 0),
              (QStringList{QStringLiteral("J♥ K♥ Q♥ 6♥ 10♥"), QStringLiteral("J♥ K♥ Q♥ 10♥"),
                           QStringLiteral("J♥ K♥ Q♥ 6♥ 10♥"), QStringLiteral("1.40 bets"),
                           rule ? QStringLiteral("rule %1").arg(*rule) : QStringLiteral("—")}));
    EXPECT_TRUE(table->reviewWindow()->gameLine()->text().contains(
        QStringLiteral("1 hand, 0.0% right, 140.43 bets given away per 100 hands")))
        << table->reviewWindow()->gameLine()->text().toStdString();

    // Played right, the next hand shows when the window is opened again.
    Click(table->widgets().Mazzo1);
    Click(table->widgets().Mazzo1);
    table->reviewAction()->trigger();
    EXPECT_TRUE(table->reviewWindow()->gameLine()->text().contains(QStringLiteral("2 hands")));
}

// The Strategy window lists the chart rule by rule and selects the rule it is given.
TEST(StrategyWindow, ListsTheRulesAndSelectsTheHandsRule) {
    const odds::Game game = odds::Game::fromTable(odds::PayTable::game());
    odds::HandIndices cards{};
    const std::array<engine::CardCode, 5> hand{37, 39, 38, 32, 36}; // J♥ K♥ Q♥ 6♥ 10♥
    for (std::size_t i = 0; i < cards.size(); ++i)
        cards[i] = odds::indexOf(hand[i]);
    const auto chart = std::make_shared<const odds::StrategyChart>(
        game, std::vector<odds::HoldPattern>{odds::holdPattern(game.scheme(), cards, 0b11111),
                                             odds::holdPattern(game.scheme(), cards, 0b10111)});
    ui::StrategyWindow window(chart, std::nullopt);
    const QTreeWidget* rules = window.ruleList();
    ASSERT_EQ(rules->topLevelItemCount(), static_cast<int>(chart->lines().size()));
    for (int i = 0; i < rules->topLevelItemCount(); ++i)
        EXPECT_EQ(row(rules, i).mid(0, 2),
                  (QStringList{
                      QString::number(i + 1),
                      QString::fromStdString(chart->lines()[static_cast<std::size_t>(i)].text)}));
    window.setCurrentRule(1);
    ASSERT_EQ(rules->selectedItems().size(), 1);
    EXPECT_EQ(rules->selectedItems()[0], rules->topLevelItem(1));
    window.setCurrentRule(std::nullopt);
    EXPECT_TRUE(rules->selectedItems().isEmpty());
}

} // namespace
