// The trainer's strip on the real table: advice for dealt hands whose answers are known, the
// verdict after the draw, the session's tally, and the window it lives in.
#include "window_driver.h"

#include "ui/mainwindow/picture_box.h"
#include "ui/trainer/drill_dealer.h"
#include "ui/trainer/strategy_window.h"
#include "ui/trainer/trainer_form.h"

#include <QAction>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace testing_support;

namespace {

// Shuffle seeds (milliseconds since midnight) and the hands they deal, slots 1..5.
constexpr std::uint32_t kRoyalFlush = 5855;       // Q♥ K♥ A♥ 10♥ J♥
constexpr std::uint32_t kRoyalDrawOrFlush = 7351; // J♥ K♥ Q♥ 6♥ 10♥
constexpr std::uint32_t kJacksOrFlushDraw = 3012; // K♣ 10♣ J♥ J♣ 2♣

class TrainerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The trainer's log and settings go to a folder of this test's own, never the user's.
        ASSERT_TRUE(data.isValid());
        previous = qgetenv("XDG_DATA_HOME");
        previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", data.path().toLocal8Bit());
        table = std::make_unique<ui::TTrainerForm>([this] { return seed; });
        table->waitForOdds();
        Activate(*table);
    }
    const Ui::MainForm& w() const { return table->widgets(); }
    ui::PictureBox* slot(int i) const {
        return std::array{w().Carte1, w().Carte2, w().Carte3, w().Carte4, w().Carte5}[i - 1];
    }
    void deal(std::uint32_t dealSeed) {
        seed = dealSeed;
        Click(w().Mazzo1);
        ASSERT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));
    }
    void hint() { QTest::keyClick(table.get(), Qt::Key_H); }
    // Marks the given slots for replacement, then draws.
    void draw(std::initializer_list<int> replaced = {}) {
        for (int i : replaced)
            Click(slot(i));
        Click(w().Mazzo1);
        ASSERT_EQ(w().Mode->caption(), QStringLiteral("DEAL"));
    }
    std::string advice() const { return table->adviceLine()->text().toStdString(); }
    std::string verdict() const { return table->verdictLine()->text().toStdString(); }
    std::string tally() const { return table->tallyLine()->text().toStdString(); }

    void TearDown() override {
        table.reset();
        qputenv("XDG_DATA_HOME", previous);
        qputenv("XDG_CONFIG_HOME", previousConfig);
    }

    QTemporaryDir data;
    QByteArray previous;
    QByteArray previousConfig;
    std::uint32_t seed = kFixedClock;
    std::unique_ptr<ui::TTrainerForm> table;
};

TEST_F(TrainerTest, ADealtRoyalFlushKeepsAllFive) {
    EXPECT_FALSE(table->hintButton()->isEnabled());
    hint(); // nothing is dealt yet: no hint, and none counted
    EXPECT_EQ(table->coach().tally().hints, 0);

    deal(kRoyalFlush);
    EXPECT_TRUE(table->hintButton()->isEnabled());
    EXPECT_EQ(advice(), "Press H for the best hold");
    hint();
    EXPECT_EQ(advice(), "Best: keep Q♥ K♥ A♥ 10♥ J♥ — +500.00 bets");
    draw();
    EXPECT_EQ(advice(), "You kept Q♥ K♥ A♥ 10♥ J♥ — +500.00 bets");
    EXPECT_EQ(verdict(), "✓ Right: no hold is worth more.");
    EXPECT_FALSE(table->hintButton()->isEnabled());
    hint(); // after the draw the key does nothing
    EXPECT_EQ(tally(), "Hands 1  Mistakes 0  Given away 0.00 bets  Hints 1");
}

// Under this game's table a made flush wins 20 bets, more than four to the royal are worth
// (874/47, as `vandolin-odds hold JH KH QH 6H TH` ranks them), so the exact advice keeps the
// flush; breaking it costs 66/47 bet.
TEST_F(TrainerTest, FourToARoyalInAMadeFlush) {
    deal(kRoyalDrawOrFlush);
    Click(table->hintButton());
    EXPECT_EQ(advice(), "Best: keep J♥ K♥ Q♥ 6♥ 10♥ — +20.00 bets");
    draw({4});
    EXPECT_EQ(advice(), "You kept J♥ K♥ Q♥ 10♥ — +18.60 bets");
    EXPECT_EQ(verdict(), "✗ Best: keep J♥ K♥ Q♥ 6♥ 10♥ — +20.00 bets; cost 1.40 bets");
    EXPECT_EQ(tally(), "Hands 1  Mistakes 1  Given away 1.40 bets  Hints 1");
}

// The answers as `vandolin-odds hold KC TC JH JC 2C` ranks them: four to the flush 157/47,
// the pair of jacks 17638/5405.
TEST_F(TrainerTest, APairOfJacksWithFourToAFlush) {
    deal(kJacksOrFlushDraw);
    hint();
    EXPECT_EQ(advice(), "Best: keep K♣ 10♣ J♣ 2♣ — +3.34 bets");
    draw({1, 2, 5});
    EXPECT_EQ(advice(), "You kept J♥ J♣ — +3.26 bets");
    EXPECT_EQ(verdict(), "✗ Best: keep K♣ 10♣ J♣ 2♣ — +3.34 bets; cost 0.08 bets");

    // The same deal played right; marking and unmarking a card leaves it held.
    deal(kJacksOrFlushDraw);
    Click(slot(4));
    draw({3, 4});
    EXPECT_EQ(advice(), "You kept K♣ 10♣ J♣ 2♣ — +3.34 bets");
    EXPECT_EQ(verdict(), "✓ Right: no hold is worth more.");
}

TEST_F(TrainerTest, TheTallyCountsTheSessionAndNewClearsIt) {
    deal(kRoyalFlush);
    hint();
    hint(); // one hand, one hint, however often it is asked for
    draw();
    deal(kRoyalDrawOrFlush);
    draw({4});
    deal(kJacksOrFlushDraw);
    table->HintClick();
    draw({1, 2, 5});
    // 66/47 + 417/5405 given away.
    EXPECT_EQ(tally(), "Hands 3  Mistakes 2  Given away 1.48 bets  Hints 2");

    w().Nuovo1->trigger();
    EXPECT_EQ(tally(), "Hands 0  Mistakes 0  Given away 0.00 bets  Hints 0");
    EXPECT_EQ(verdict(), "");
    deal(kRoyalFlush);
    draw({1}); // the queen thrown away: 500 - 181/47
    EXPECT_EQ(tally(), "Hands 1  Mistakes 1  Given away 496.15 bets  Hints 0");
}

// Asked for, a costly draw first shows the best hold; a second deck click or Space draws, and
// changing the marks asks again. A right hold draws at once, and unasked nothing stops a draw.
TEST_F(TrainerTest, ACostlyDrawIsWarnedWhenAsked) {
    deal(kJacksOrFlushDraw);
    draw(); // all five kept, unwarned
    table->warnAction()->setChecked(true);
    deal(kRoyalFlush);
    draw();
    deal(kJacksOrFlushDraw);
    Click(w().Mazzo1);
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));
    EXPECT_EQ(advice().rfind("Careful! Best: keep", 0), 0u) << advice();
    Click(slot(1));
    Click(slot(1));
    EXPECT_EQ(advice(), "Press H for the best hold");
    Click(w().Mazzo1);
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));
    QTest::keyClick(table.get(), Qt::Key_Space);
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DEAL"));
    EXPECT_EQ(tally().rfind("Hands 3  Mistakes 2  ", 0), 0u) << tally();
    table->warnAction()->setChecked(false); // the setting outlives the test
}

// The drill takes the rule played wrong from the log and deals only hands under it, whatever
// the clock seeds; the tally's line names the rule.
TEST_F(TrainerTest, TheDrillDealsTheRulePlayedWrong) {
    table->waitForChart();
    table->drillAction()->trigger();
    EXPECT_EQ(tally(), "No rule played wrong in the log yet: nothing to drill");
    EXPECT_FALSE(table->drillAction()->isChecked());
    deal(kJacksOrFlushDraw);
    const std::optional<int> rule = const_cast<trainer::Coach&>(table->coach()).ChartRule();
    ASSERT_TRUE(rule);
    draw({1, 2, 3, 4, 5});
    ASSERT_TRUE(table->coach().judged()->cost.numerator() != 0);

    table->drillAction()->trigger();
    ASSERT_TRUE(table->drill());
    EXPECT_EQ(table->drill()->line(), rule);
    EXPECT_EQ(tally().rfind("Drill: rule " + std::to_string(*rule + 1) + ", ", 0), 0u) << tally();
    // A box open over the table (the bet prompt) holds a found deal back until it closes: the
    // stake of a dealt hand never changes.
    seed = kRoyalFlush;
    Click(w().Mazzo1);
    QDialog box(table.get());
    box.setModal(true);
    box.show();
    for (int ms = 0; ms < 60'000 && !table->drillDealer()->dealHeldBack(); ms += 10)
        QTest::qWait(10);
    ASSERT_TRUE(table->drillDealer()->dealHeldBack());
    QTest::qWait(100);
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DEAL"));
    box.close();
    for (int ms = 0; ms < 5'000 && w().Mode->caption() != QStringLiteral("DRAW"); ms += 10)
        QTest::qWait(10);
    ASSERT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));
    EXPECT_EQ(const_cast<trainer::Coach&>(table->coach()).ChartRule(), rule);
    draw();

    std::set<std::string> deals;
    for (std::uint32_t s : {kRoyalFlush, kRoyalDrawOrFlush, 11u, 12u}) {
        // The click returns at once: the search runs off the table's thread, the deal after.
        seed = s;
        Click(w().Mazzo1);
        ASSERT_TRUE(table->drillDealer()->searching());
        EXPECT_EQ(w().Mode->caption(), QStringLiteral("DEAL"));
        EXPECT_EQ(tally(),
                  "Drill: shuffling for a hand of rule " + std::to_string(*rule + 1) + "…");
        table->drillDealer()->finishSearch();
        ASSERT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));
        EXPECT_EQ(const_cast<trainer::Coach&>(table->coach()).ChartRule(), rule);
        const auto& hand = table->game().Hand;
        deals.insert(trainer::Coach::HoldText({hand[1], hand[2], hand[3], hand[4], hand[5]}, 31));
        draw();
    }
    EXPECT_EQ(deals.size(), 4u);
}

// Jacks or Better 9/6 at the table: its pay lines, its settlement (a pair of jacks gives the
// stake back) and its advice, where the table's own game prefers the flush draw (above); the
// choice is remembered. `vandolin-odds hold --game jacks-9/6 KC TC JH JC 2C`: the jacks are
// worth 1661/1081 for 1.
TEST_F(TrainerTest, AnotherGamePlaysAndPaysAtTheTable) {
    ASSERT_TRUE(table->ChooseGame("jacks-9/6"));
    table->waitForOdds();
    const auto lines = [this] {
        QStringList texts;
        for (int i = 0;; ++i) {
            auto* line = table->findChild<QLabel*>(QStringLiteral("PayLine%1").arg(i));
            if (!line)
                return texts;
            texts.append(line->text() + (line->accessibleDescription() == "lit" ? "*" : ""));
        }
    };
    EXPECT_FALSE(w().Score0->isVisible());
    EXPECT_EQ(lines().size(), 9);
    EXPECT_EQ(lines().front(), "jacks or better - 1 for 1");
    EXPECT_EQ(lines().back(), "royal flush - 800 for 1");
    // Nine lines where the table's own nine are, in their face.
    for (int i = 0; i < 9; ++i) {
        const auto* line = table->findChild<QLabel*>(QStringLiteral("PayLine%1").arg(i));
        const QLabel* own = std::array{w().Score0, w().Score1, w().Score2, w().Score3, w().Score4,
                                       w().Score5, w().Score6, w().Score7, w().Score8}[i];
        EXPECT_EQ(line->geometry().center().y(), own->geometry().center().y()) << i;
        EXPECT_EQ(line->geometry().right(), own->geometry().right()) << i;
        EXPECT_EQ(line->font().pixelSize(), own->font().pixelSize()) << i;
        EXPECT_EQ(line->font().pointSize(), own->font().pointSize()) << i;
    }

    deal(kJacksOrFlushDraw);
    EXPECT_FALSE(table->ChooseGame("ddb-9/6")); // not with a hand on the table
    EXPECT_EQ(lines().front(), "jacks or better - 1 for 1*");
    hint();
    EXPECT_EQ(advice(), "Best: keep J♥ J♣ — +0.54 bets");
    draw();
    EXPECT_EQ(verdict(), "✗ Best: keep J♥ J♣ — +0.54 bets; cost 0.54 bets");
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100"));
    EXPECT_EQ(lines().front(), "jacks or better - 1 for 1*");

    const ui::TTrainerForm again([] { return kFixedClock; });
    EXPECT_EQ(again.coach().game().name(), "jacks-9/6");
    // Thirteen lines of Double Double Bonus still read: each whole, beside the deck, above
    // the bottom panel.
    ASSERT_TRUE(table->ChooseGame("ddb-9/6"));
    EXPECT_EQ(lines().size(), 13);
    for (int i = 0; i < 13; ++i) {
        auto* line = table->findChild<QLabel*>(QStringLiteral("PayLine%1").arg(i));
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width()) << i;
        EXPECT_GE(line->fontMetrics().height(), 12) << i;
        EXPECT_GT(line->x(), w().Mazzo1->geometry().right());
        EXPECT_LT(line->geometry().bottom(), w().Panel1->y());
    }
    // Changed twice while charts were still being derived, the trainer ends with the chart of
    // the game it plays.
    ASSERT_TRUE(table->ChooseGame("game"));
    table->waitForChart();
    ASSERT_TRUE(table->strategyAction()->isEnabled());
    table->StrategyClick();
    ASSERT_TRUE(table->strategyWindow());
    EXPECT_TRUE(table->strategyWindow()->windowTitle().contains("the table's own"))
        << table->strategyWindow()->windowTitle().toStdString();
    EXPECT_TRUE(w().Score0->isVisible());
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100"));
}

// The strip is added below an unchanged table, and the grown window keeps its size.
TEST_F(TrainerTest, TheTableAboveTheStripIsUnchanged) {
    const auto plain = OpenTable();
    seed = kFixedClock;
    EXPECT_EQ(table->size(), plain->size() + QSize(0, ui::TTrainerForm::kStripHeight));
    const QRect tableRect(QPoint(0, 0), plain->clientArea()->size());
    EXPECT_EQ(table->clientArea()->grab(tableRect).toImage(),
              plain->clientArea()->grab(tableRect).toImage());
    EXPECT_EQ(table->strip()->geometry(),
              QRect(0, tableRect.height(), tableRect.width(), ui::TTrainerForm::kStripHeight));
    for (QLabel* line : {table->adviceLine(), table->verdictLine(), table->tallyLine()})
        EXPECT_LE(line->geometry().right(), table->strip()->width())
            << line->objectName().toStdString();

    // A long session's tally and a long verdict still fit their lines.
    const QString longTally =
        QStringLiteral("Hands 999  Mistakes 999  Given away 999.99 bets  Hints 999");
    EXPECT_LE(table->tallyLine()->fontMetrics().horizontalAdvance(longTally),
              table->tallyLine()->width());
    // A mistake's verdict is in bold.
    const QString longVerdict =
        QStringLiteral("✗ Best: keep 10♥ 10♣ 10♦ 10♠ — +100.00 bets; cost 100.00 bets");
    QFont bold = table->verdictLine()->font();
    bold.setBold(true);
    EXPECT_LE(QFontMetrics(bold).horizontalAdvance(longVerdict), table->verdictLine()->width());

    const QSize grown = table->size();
    table->resize(grown + QSize(40, 30));
    EXPECT_EQ(table->size(), grown);
}

// Every line of the strip reads on the felt at the contrast the WCAG ask of normal text,
// 4.5 : 1, by their relative luminance; a mistake is marked by more than its colour.
TEST_F(TrainerTest, TheStripReadsOnTheFelt) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const auto contrast = [&](const QColor& a, const QColor& b) {
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    // The felt as it is painted below the lines.
    const QColor felt =
        table->strip()->grab().toImage().pixelColor(2, table->strip()->height() - 2);
    const auto checkLines = [&](const char* when) {
        for (QLabel* line :
             {table->adviceLine(), table->verdictLine(), table->chartLine(), table->tallyLine()}) {
            const QColor ink = line->palette().color(QPalette::WindowText);
            EXPECT_GE(contrast(ink, felt), 4.5)
                << when << ": " << line->objectName().toStdString() << " "
                << ink.name().toStdString() << " on " << felt.name().toStdString();
        }
    };
    checkLines("at the start");
    deal(kRoyalFlush);
    hint();
    checkLines("after a hint");
    draw();
    checkLines("after a right hold");
    EXPECT_FALSE(table->verdictLine()->font().bold());
    deal(kRoyalDrawOrFlush);
    draw({4});
    checkLines("after a mistake");
    EXPECT_TRUE(table->verdictLine()->font().bold());
    EXPECT_TRUE(verdict().starts_with("✗ "));
}

// A window derived from the table hears the game's start: FormCreate's view calls reach its
// overrides once the derived window is built, not the base's alone.
class ListeningTable : public ui::TMainForm {
public:
    ListeningTable() : ui::TMainForm([] { return kFixedClock; }, nullptr, StartLater{}) {
        startGame();
    }
    void ShowCard(int slot, int picture) override {
        shown.emplace_back(slot, picture);
        ui::TMainForm::ShowCard(slot, picture);
    }
    void roundStepped(const engine::RoundNotice& notice) override { steps.push_back(notice.step); }

    std::vector<std::pair<int, int>> shown;
    std::vector<engine::RoundStep> steps;
};

TEST(DerivedTable, HearsTheStartOfTheGame) {
    ListeningTable table;
    EXPECT_EQ(table.shown,
              (std::vector<std::pair<int, int>>{{1, 63}, {2, 63}, {3, 63}, {4, 63}, {5, 63}}));
    EXPECT_EQ(table.steps, std::vector<engine::RoundStep>{engine::RoundStep::NewGame});
}

} // namespace
