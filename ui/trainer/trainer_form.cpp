#include "ui/trainer/trainer_form.h"

#include "odds/game_tables.h"
#include "ui/boxes/boxes.h"
#include "ui/boxes/error_report.h"
#include "ui/mainwindow/announcer.h"
#include "ui/mainwindow/table_accessibility.h"
#include "ui/trainer/drill_dealer.h"
#include "ui/trainer/game_at_table.h"
#include "ui/trainer/review_window.h"
#include "ui/trainer/strategy_window.h"
#include "ui/trainer/trainer_settings.h"

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace ui {

namespace {

constexpr int kMargin = 12; // the cards' left margin
constexpr int kLineHeight = 16;
constexpr int kButtonWidth = 48;

// Every line reads on the felt at 4.5 : 1 or better; red and silver cannot, so a mistake is
// marked by its sign and bold face rather than by colour alone.
constexpr QColor kAdviceColour(255, 255, 0);    // 4.78 : 1
constexpr QColor kRightColour(224, 255, 224);   // 4.78 : 1
constexpr QColor kMistakeColour(255, 255, 255); // 5.14 : 1, bold
constexpr QColor kTallyColour(255, 255, 255);
constexpr QColor kChartColour(224, 255, 255); // 4.87 : 1
constexpr int kChartPollMs = 200;
constexpr int kScoringPollMs = 50;

// Thrown through the chart's derivation to end it early.
struct ChartCancelled {};

void paint(QLabel& label, const QColor& color) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

} // namespace

TTrainerForm::TTrainerForm(QWidget* parent) : TTrainerForm(engine::SystemUtcMilliseconds, parent) {}

TTrainerForm::TTrainerForm(Clock clock, QWidget* parent)
    : TTrainerForm(std::move(clock), std::string(), parent) {}

TTrainerForm::TTrainerForm(Clock clock, const std::string& gameName, QWidget* parent)
    : TMainForm(std::move(clock), parent, StartLater{}) {
    log_ = std::make_unique<trainer::HandLog>(trainer::HandLog::defaultPath());
    scoringPoll_ = new QTimer(this);
    scoringPoll_->setInterval(kScoringPollMs);
    connect(scoringPoll_, &QTimer::timeout, this, [this] { followWaitingRounds(); });
    buildStrip();
    buildMenu();
    const odds::Game* chosen = odds::findGame(
        gameName.empty()
            ? TrainerSettings().value(QLatin1String(kGameSetting)).toString().toStdString()
            : gameName);
    useGame(chosen ? *chosen : odds::builtInGames().front());
    startGame();
    refreshStrip();
    if (!log_->isOpen())
        reportLogProblem();
}

// The scoring thread is waited for: the table it fills outlives the window. The chart's is
// told to stop first.
TTrainerForm::~TTrainerForm() {
    if (chartCancelled_)
        *chartCancelled_ = true;
    // A hand drawn before the odds were ready is judged and logged before the window goes.
    if (!waiting_.empty())
        waitForOdds();
}

void TTrainerForm::useGame(const odds::Game& chosen) {
    // Hands still waiting for the old game's odds are judged under it first.
    if (!waiting_.empty())
        waitForOdds();
    coach_ = trainer::Coach(chosen);
    // Every five-card hand of the game's scheme sorted once, off the UI thread, before the
    // first deal needs it.
    if (scoring_.valid())
        retiredScoring_.push_back(std::move(scoring_));
    scoring_ = std::async(std::launch::async,
                          [&scheme = chosen.scheme()] { odds::GameTables::of(scheme); });
    if (chosen.name() == odds::builtInGames().front().name()) {
        game().ScoreHand = nullptr;
        showPayLines({});
    } else {
        game().ScoreHand = [chosen](const auto& hand) { return trainer::ScoreUnder(chosen, hand); };
        QStringList lines;
        for (const std::string& line : trainer::PayLineTexts(chosen))
            lines.append(QString::fromStdString(line));
        showPayLines(lines);
    }
    for (QAction* action : gameMenu_->actions())
        action->setChecked(action->data().toString().toStdString() == chosen.name());

    // What belonged to the game before goes with it: its chart, drill and windows.
    if (drillAction_->isChecked())
        drillAction_->setChecked(false);
    strategyAction_->setEnabled(false);
    drillAction_->setEnabled(false);
    delete strategy_;
    strategy_ = nullptr;
    delete review_;
    review_ = nullptr;
    deriveChart();
}

void TTrainerForm::deriveChart() {
    // A chart still being derived for another game is told to stop; its thread ends at its
    // next check.
    if (chartCancelled_)
        *chartCancelled_ = true;
    if (chart_.valid())
        retiredCharts_.push_back(std::move(chart_));
    derived_ = DerivedChart();
    chartCancelled_ = std::make_shared<std::atomic_bool>(false);
    // The chart, then its accuracy over every deal for the Strategy window.
    chart_ = std::async(std::launch::async, [game = coach_.game(), cancelled = chartCancelled_] {
        const auto stop = [&cancelled](double) {
            if (*cancelled)
                throw ChartCancelled{};
        };
        DerivedChart derived;
        try {
            derived.chart = std::make_shared<const odds::StrategyChart>(
                odds::StrategyChart::derive(game, odds::StrategyChart::kDefaultMaxLines,
                                            odds::StrategyChart::kDefaultMinLineWorth, stop));
            derived.accuracy = derived.chart->replay(0, stop);
        } catch (const ChartCancelled&) {
        }
        return derived;
    });
    if (!chartPoll_) {
        chartPoll_ = new QTimer(this);
        chartPoll_->setInterval(kChartPollMs);
        connect(chartPoll_, &QTimer::timeout, this, [this] { takeChartWhenReady(); });
    }
    chartPoll_->start();
}

void TTrainerForm::takeChartWhenReady() {
    const auto ended = [](const auto& work) {
        return work.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    std::erase_if(retiredCharts_, ended);
    std::erase_if(retiredScoring_, ended);
    if (!chart_.valid() || chart_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    chartPoll_->stop();
    derived_ = chart_.get();
    coach_.setChart(derived_.chart);
    strategyAction_->setEnabled(derived_.chart != nullptr);
    drillAction_->setEnabled(derived_.chart != nullptr);
    refreshStrip();
}

void TTrainerForm::waitForChart() {
    waitForOdds();
    if (chart_.valid())
        chart_.wait();
    takeChartWhenReady();
}

void TTrainerForm::buildStrip() {
    const Ui::MainForm& table = widgets();
    QWidget* client = clientArea();
    const int top = table.Panel1->geometry().bottom() + 1;
    extendClientBelow(kStripHeight);

    strip_ = new QWidget(client);
    strip_->setObjectName(QStringLiteral("TrainerStrip"));
    strip_->setGeometry(0, top, client->width(), kStripHeight);

    // The pay lines' face and colours on the table's green; the tally, the longest line, in
    // the bottom panel's lighter face.
    const QFont font = table.Score0->font();
    const int textWidth = client->width() - 2 * kMargin;
    const auto line = [&](const char* name, int row, int width, const QColor& color) {
        auto* label = new QLabel(strip_);
        label->setObjectName(QLatin1String(name));
        label->setFont(font);
        label->setGeometry(kMargin, 4 + row * (kLineHeight + 1), width, kLineHeight);
        paint(*label, color);
        return label;
    };
    advice_ = line("TrainerAdvice", 0, textWidth - kButtonWidth - 4, kAdviceColour);
    verdict_ = line("TrainerVerdict", 1, textWidth, kRightColour);
    chartLine_ = line("TrainerChart", 2, textWidth, kChartColour);
    chartLine_->setFont(table.StatusBar->font());
    tally_ = line("TrainerTally", 3, textWidth, kTallyColour);
    tally_->setFont(table.StatusBar->font());

    hintButton_ = new QPushButton(QStringLiteral("Hint"), strip_);
    hintButton_->setObjectName(QStringLiteral("TrainerHint"));
    hintButton_->setFont(table.StatusBar->font());
    hintButton_->setGeometry(client->width() - kMargin - kButtonWidth, 3, kButtonWidth, 18);
    // Tab reaches the button after the deck; a click leaves the keyboard with the table.
    hintButton_->setFocusPolicy(Qt::TabFocus);
    setTabOrder(table.Mazzo1, hintButton_);
    connect(hintButton_, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { HintClick(); }); });

    hintKey_ = new QShortcut(QKeySequence(Qt::Key_H), this);
    connect(hintKey_, &QShortcut::activated, this, [this] { RunGuarded([this] { HintClick(); }); });

    for (QWidget* child : strip_->findChildren<QWidget*>())
        child->setContextMenuPolicy(Qt::NoContextMenu);
    strip_->setContextMenuPolicy(Qt::NoContextMenu);
    strip_->show();
}

void TTrainerForm::Mazzo1Click() {
    if (drillDealer_ && game().RoundState == engine::Round::Deal) {
        // The deal follows once the drill has found it, the table taking input meanwhile.
        drillDealer_->prepareDeal([this] { TMainForm::Mazzo1Click(); });
        return;
    }
    if (warnBeforeDraw_ && !drawWarned_ && game().RoundState == engine::Round::Draw) {
        unsigned held = 0;
        for (int slot = 1; slot <= engine::kHandSize; ++slot)
            held |= game().Change[static_cast<std::size_t>(slot)] == 1 ? 0u : 1u << (slot - 1);
        if (coach_.Warn(held, warningThreshold())) {
            drawWarned_ = true;
            refreshStrip();
            announceAdvice();
            return;
        }
    }
    drawWarned_ = false;
    TMainForm::Mazzo1Click();
}

void TTrainerForm::CarteClick(QObject* sender) {
    TMainForm::CarteClick(sender);
    if (drawWarned_) {
        drawWarned_ = false;
        coach_.Unwarn();
        refreshStrip();
    }
}

void TTrainerForm::announceAdvice() {
    // A changed name is not spoken by every screen reader; a notification is.
    announcer().say(spokenStrip(advice_->text()));
}

void TTrainerForm::refreshStrip() {
    advice_->setText(waiting_.empty() ? QString::fromStdString(coach_.FirstLine())
                                      : QStringLiteral("Working out this game's odds\u2026"));
    verdict_->setText(QString::fromStdString(coach_.SecondLine()));
    if (drillDealer_) {
        const trainer::Drill& drill = drillDealer_->drill();
        drillStatus_ = drillDealer_->searching() && drill.line()
                           ? QStringLiteral("Drill: shuffling for a hand of rule %1\u2026")
                                 .arg(*drill.line() + 1)
                           : QString::fromStdString(drill.StatusText());
    }
    tally_->setText(drillStatus_.isEmpty() ? QString::fromStdString(coach_.TallyLine())
                                           : drillStatus_);
    // A chart line's words can be long: the line shows what fits, the tip all of it.
    const QString rule = QString::fromStdString(coach_.ChartLine());
    chartLine_->setText(
        chartLine_->fontMetrics().elidedText(rule, Qt::ElideRight, chartLine_->width()));
    chartLine_->setToolTip(rule);
    chartLine_->setAccessibleName(rule);
    paint(*verdict_, coach_.Mistaken() ? kMistakeColour : kRightColour);
    QFont verdictFont = verdict_->font();
    verdictFont.setBold(coach_.Mistaken());
    verdict_->setFont(verdictFont);
    hintButton_->setEnabled(coach_.CanHint() || handDealtAndWaiting());
}

QString TTrainerForm::spokenStrip(QString line) const {
    // The marks that tell a verdict at a glance are words to a listener, and the chart's rule
    // is part of what the line says.
    if (line.startsWith(QString::fromUtf8(trainer::Coach::kMistakeMark)))
        line.replace(0, QString::fromUtf8(trainer::Coach::kMistakeMark).size(),
                     QStringLiteral("Mistake: "));
    else if (line.startsWith(QString::fromUtf8(trainer::Coach::kRightMark)))
        line.remove(0, QString::fromUtf8(trainer::Coach::kRightMark).size());
    const QString rule = QString::fromStdString(coach_.ChartLine());
    if (!rule.isEmpty())
        line += QStringLiteral(" ") + rule + QStringLiteral(".");
    return SpokenCardText(line);
}

void TTrainerForm::HintClick() {
    if (!isEnabled())
        return;
    if (handDealtAndWaiting()) {
        hintAskedFor_ = waiting_.size() - 1; // given as soon as the coach has seen the deal
        return;
    }
    if (!coach_.CanHint())
        return;
    coach_.Hint();
    refreshStrip();
    announceAdvice();
}

bool TTrainerForm::oddsReady() const {
    return !scoring_.valid() ||
           scoring_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void TTrainerForm::waitForOdds() {
    if (scoring_.valid())
        scoring_.wait();
    followWaitingRounds();
}

void TTrainerForm::followWaitingRounds() {
    if (!oddsReady())
        return;
    scoringPoll_->stop();
    const std::vector<engine::RoundNotice> notices = std::move(waiting_);
    waiting_.clear();
    const std::optional<std::size_t> hinted = std::exchange(hintAskedFor_, std::nullopt);
    for (std::size_t i = 0; i < notices.size(); ++i) {
        followRound(notices[i]);
        if (hinted == i)
            HintClick();
    }
}

bool TTrainerForm::handDealtAndWaiting() const {
    return !waiting_.empty() && waiting_.back().step == engine::RoundStep::Dealt;
}

void TTrainerForm::roundStepped(const engine::RoundNotice& notice) {
    drawWarned_ = false;
    if (notice.step == engine::RoundStep::NewGame && drillDealer_)
        drillDealer_->abandonDeal();
    // A deal never waits for the analyser: until the game's hands are scored, the coach hears
    // of the round later, in order. A draw does wait, so that every drawn hand is judged and
    // logged as it ends and a killed game loses at most the hand in play.
    if (!waiting_.empty() || !oddsReady()) {
        waiting_.push_back(notice);
        if (notice.step == engine::RoundStep::Drawn) {
            waitForOdds();
            return;
        }
        scoringPoll_->start();
        refreshStrip();
        return;
    }
    followRound(notice);
}

void TTrainerForm::followRound(const engine::RoundNotice& notice) {
    coach_.Follow(notice);
    if (notice.step == engine::RoundStep::Drawn) {
        logJudgedHand();
        if (drillDealer_ && drillDealer_->lastDealDrilled() && coach_.judged())
            drillDealer_->judged(coach_.judged()->cost.numerator() == 0);
    }
    if (!strip_)
        return;
    const QString verdictBefore = verdict_->text();
    refreshStrip();
    // A screen reader hears a new verdict after what the table says of the round.
    if (verdict_->text() != verdictBefore)
        announcer().sayAfter(spokenStrip(verdict_->text()));
}

void TTrainerForm::logJudgedHand() {
    const std::optional<trainer::Judgement>& judged = coach_.judged();
    if (!judged || !log_->isOpen())
        return;
    trainer::LoggedHand hand;
    hand.game = coach_.game().name();
    hand.dealt = judged->dealt;
    hand.held = judged->held;
    hand.best = judged->best;
    hand.value = judged->value;
    hand.bestValue = judged->bestValue;
    hand.cost = judged->cost;
    hand.hinted = judged->hinted;
    hand.chartLine = judged->chartLine;
    hand.playedAt = QDateTime::currentMSecsSinceEpoch();
    if (!log_->record(hand))
        reportLogProblem();
}

void TTrainerForm::reportLogProblem() {
    if (logProblemReported_)
        return;
    logProblemReported_ = true;
    // Not from inside the round's handler, nor before the table is on the screen.
    QTimer::singleShot(0, this, [this] {
        RunGuarded(
            [this] { ui::AppMessageBox(log_->problem(), QStringLiteral("Vandolin"), MB_OK); });
    });
}

} // namespace ui
