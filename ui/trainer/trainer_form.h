#pragma once

#include "ui/mainwindow/main_form.h"
#include "ui/trainer/coach.h"
#include "ui/trainer/hand_log.h"

#include <atomic>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QTimer;

namespace trainer {
class Drill;
}

namespace ui {

class DrillDealer;
class ReviewWindow;
class StrategyWindow;

// The chart and its accuracy over every deal, as the trainer derives them at start.
struct DerivedChart {
    std::shared_ptr<const odds::StrategyChart> chart;
    std::optional<odds::ChartAccuracy> accuracy;
};

// The table with the trainer's strip below its bottom panel. The game still talks to the
// table alone; the round's steps it tells the view go to the coach, whose advice the strip
// shows. The key H and the strip's button ask for the best hold while a hand is dealt.
class TTrainerForm : public TMainForm {
    Q_OBJECT
public:
    static constexpr int kStripHeight = 73;

    explicit TTrainerForm(QWidget* parent = nullptr);
    explicit TTrainerForm(Clock clock, QWidget* parent = nullptr);
    // Plays the analyser's game of that name (see odds::builtInGames); empty, the game last
    // chosen from the menu, at first the table's own.
    TTrainerForm(Clock clock, const std::string& gameName, QWidget* parent = nullptr);
    ~TTrainerForm() override;

    const trainer::Coach& coach() const { return coach_; }
    QWidget* strip() const { return strip_; }
    QLabel* adviceLine() const { return advice_; }
    QLabel* verdictLine() const { return verdict_; }
    QLabel* tallyLine() const { return tally_; }
    QLabel* chartLine() const { return chartLine_; }
    // Waits until the game's hands are scored and the coach has heard every step of the round
    // (tests, benchmarks).
    void waitForOdds();
    // Waits for that and until the strategy chart is derived and given to the coach.
    void waitForChart();
    QPushButton* hintButton() const { return hintButton_; }
    const trainer::HandLog& handLog() const { return *log_; }

    // Asks for the best hold of the dealt hand (the key H, the strip's button).
    void HintClick();
    // Opens the Review window over the log (Trainer > Review, Ctrl+R).
    void ReviewClick();
    ReviewWindow* reviewWindow() const { return review_; }
    // Opens the game's strategy chart, the current hand's rule selected (Trainer > Strategy,
    // S); there once the chart is derived.
    void StrategyClick();
    StrategyWindow* strategyWindow() const { return strategy_; }
    QAction* strategyAction() const { return strategyAction_; }
    QAction* reviewAction() const { return reviewAction_; }

    // Switches to the named game as a new game does, bankroll and bet afresh, and remembers
    // the choice; refused while a hand is on the table. False for a name no game has.
    bool ChooseGame(const std::string& name);
    QMenu* gameMenu() const { return gameMenu_; }

    void roundStepped(const engine::RoundNotice& notice) override;
    void SetCommandEnabled(engine::Command command, bool enabled) override;
    // A draw that would give away more than this first shows the best hold, when warned.
    static odds::Fraction warningThreshold() { return odds::Fraction(1, 100); }
    void Mazzo1Click() override;
    void CarteClick(QObject* sender) override;
    QAction* warnAction() const { return warnAction_; }
    // Drills the chart lines the log finds most often wrong (Trainer > Drill); unchecked, the
    // deals are the table's own again.
    static constexpr int kDrillLines = 5;
    QAction* drillAction() const { return drillAction_; }
    const trainer::Drill* drill() const;
    DrillDealer* drillDealer() const { return drillDealer_; }
    bool drawWarned() const { return drawWarned_; }

private:
    void buildStrip();
    void buildMenu();
    // Plays the game from now on: its scoring and pay lines at the table, its coach and chart.
    void useGame(const odds::Game& chosen);
    void deriveChart();
    void takeChartWhenReady();
    void refreshStrip();
    // A line of the strip as a screen reader should say it.
    QString spokenStrip(QString line) const;
    void logJudgedHand();
    bool oddsReady() const;
    void followRound(const engine::RoundNotice& notice);
    void followWaitingRounds();
    // A hand is on the table that the coach has not yet been told of.
    bool handDealtAndWaiting() const;
    void setWarnBeforeDraw(bool on);
    void setDrilling(bool on);
    // Tells a screen reader what the strip's first line now says.
    void announceAdvice();
    // Tells the player once, over the shown table, that the log is off and why.
    void reportLogProblem();

    trainer::Coach coach_;
    QWidget* strip_ = nullptr;
    QLabel* advice_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* tally_ = nullptr;
    QLabel* chartLine_ = nullptr;
    QPushButton* hintButton_ = nullptr;
    QShortcut* hintKey_ = nullptr;
    std::unique_ptr<trainer::HandLog> log_;
    bool logProblemReported_ = false;
    QMenu* gameMenu_ = nullptr;
    QAction* reviewAction_ = nullptr;
    ReviewWindow* review_ = nullptr;
    QAction* strategyAction_ = nullptr;
    QAction* warnAction_ = nullptr;
    QAction* drillAction_ = nullptr;
    DrillDealer* drillDealer_ = nullptr;
    QString drillStatus_; // shown in the tally's place while set
    bool warnBeforeDraw_ = false;
    bool drawWarned_ = false; // the next deck click draws anyway
    StrategyWindow* strategy_ = nullptr;
    // Every five-card hand scored once, off the UI thread, before the first deal needs it.
    std::future<void> scoring_;
    // Round steps told before the scoring ended, for the coach once it has.
    std::vector<engine::RoundNotice> waiting_;
    QTimer* scoringPoll_ = nullptr;
    // The waiting deal for which H was pressed, by its place among the waiting steps.
    std::optional<std::size_t> hintAskedFor_;
    // The game's strategy chart, derived off the UI thread; a closing window stops it.
    std::shared_ptr<std::atomic_bool> chartCancelled_;
    std::future<DerivedChart> chart_;
    // The work of games left behind, stopping; kept so that a change of game never waits.
    std::vector<std::future<DerivedChart>> retiredCharts_;
    std::vector<std::future<void>> retiredScoring_;
    DerivedChart derived_;
    QTimer* chartPoll_ = nullptr;
};

} // namespace ui
