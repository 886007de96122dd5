// The trainer's menu and what it opens: the game played, the Strategy and Review windows,
// the warning before a costly draw and the drills.
#include "ui/boxes/error_report.h"
#include "ui/trainer/drill_dealer.h"
#include "ui/trainer/log_statistics.h"
#include "ui/trainer/review_window.h"
#include "ui/trainer/strategy_window.h"
#include "ui/trainer/trainer_form.h"
#include "ui/trainer/trainer_settings.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSqlDatabase>

namespace ui {

bool TTrainerForm::ChooseGame(const std::string& name) {
    const odds::Game* chosen = odds::findGame(name);
    if (!chosen || game().RoundState != engine::Round::Deal)
        return false;
    TrainerSettings().setValue(QLatin1String(kGameSetting), QString::fromStdString(name));
    useGame(*chosen);
    // A new game: the bankroll and bet start again under the new pays.
    NuovoClick();
    refreshStrip();
    return true;
}

void TTrainerForm::SetCommandEnabled(engine::Command command, bool enabled) {
    TMainForm::SetCommandEnabled(command, enabled);
    // The game changes between hands only, as New does.
    if (command == engine::Command::Nuovo1 && gameMenu_)
        gameMenu_->setEnabled(enabled);
}

void TTrainerForm::buildMenu() {
    // The trainer's own menu, after the table's; the table's menus stay as they are.
    QMenu* menu = widgets().MainMenu1->addMenu(QStringLiteral("&Trainer"));
    menu->setObjectName(QStringLiteral("TrainerMenu"));
    gameMenu_ = menu->addMenu(QStringLiteral("&Game"));
    gameMenu_->setObjectName(QStringLiteral("TrainerGame"));
    auto* games = new QActionGroup(gameMenu_);
    for (const odds::Game& each : odds::builtInGames()) {
        QString title = QString::fromStdString(each.title());
        title[0] = title[0].toUpper();
        QAction* action = gameMenu_->addAction(title);
        action->setData(QString::fromStdString(each.name()));
        action->setCheckable(true);
        action->setActionGroup(games);
        connect(action, &QAction::triggered, this, [this, name = each.name()] {
            if (isEnabled() && !QApplication::activeModalWidget())
                RunGuarded([this, &name] { ChooseGame(name); });
        });
    }
    menu->addSeparator();
    reviewAction_ = menu->addAction(QStringLiteral("&Review..."));
    reviewAction_->setObjectName(QStringLiteral("TrainerReview"));
    reviewAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    reviewAction_->setStatusTip(QStringLiteral("Your statistics and past mistakes"));
    reviewAction_->setEnabled(log_->isOpen());
    connect(reviewAction_, &QAction::triggered, this, [this] {
        if (isEnabled() && !QApplication::activeModalWidget())
            RunGuarded([this] { ReviewClick(); });
    });

    strategyAction_ = menu->addAction(QStringLiteral("&Strategy..."));
    strategyAction_->setObjectName(QStringLiteral("TrainerStrategy"));
    strategyAction_->setShortcut(QKeySequence(Qt::Key_S));
    strategyAction_->setStatusTip(QStringLiteral("The game's strategy chart"));
    strategyAction_->setEnabled(false); // until the chart is derived
    connect(strategyAction_, &QAction::triggered, this, [this] {
        if (isEnabled() && !QApplication::activeModalWidget())
            RunGuarded([this] { StrategyClick(); });
    });

    menu->addSeparator();
    warnAction_ = menu->addAction(QStringLiteral("&Warn before a costly draw"));
    warnAction_->setObjectName(QStringLiteral("TrainerWarn"));
    warnAction_->setCheckable(true);
    warnAction_->setStatusTip(
        QStringLiteral("Show the best hold before a draw that gives away more than 0.01 bets"));
    drillAction_ = menu->addAction(QStringLiteral("&Drill my weakest rules"));
    drillAction_->setObjectName(QStringLiteral("TrainerDrill"));
    drillAction_->setCheckable(true);
    drillAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    drillAction_->setStatusTip(
        QStringLiteral("Deal hands of the chart rules you get wrong most, until played right"));
    drillAction_->setEnabled(false); // until the chart is derived
    connect(drillAction_, &QAction::toggled, this, [this](bool on) { setDrilling(on); });

    warnBeforeDraw_ = TrainerSettings().value(QLatin1String(kWarnSetting), false).toBool();
    warnAction_->setChecked(warnBeforeDraw_);
    connect(warnAction_, &QAction::toggled, this, [this](bool on) { setWarnBeforeDraw(on); });
}

void TTrainerForm::setWarnBeforeDraw(bool on) {
    warnBeforeDraw_ = on;
    TrainerSettings().setValue(QLatin1String(kWarnSetting), on);
    if (!on && drawWarned_) {
        drawWarned_ = false;
        coach_.Unwarn();
        refreshStrip();
    }
}

const trainer::Drill* TTrainerForm::drill() const {
    return drillDealer_ ? &drillDealer_->drill() : nullptr;
}

void TTrainerForm::setDrilling(bool on) {
    delete drillDealer_;
    drillDealer_ = nullptr;
    drillStatus_.clear();
    if (on && derived_.chart) {
        std::vector<int> lines;
        if (log_->isOpen()) {
            const trainer::LogStatistics statistics(log_->database());
            for (const trainer::LineRecord& record :
                 statistics.linesMostWrong(QString::fromStdString(coach_.game().name()))) {
                if (record.chartLine && static_cast<int>(lines.size()) < kDrillLines)
                    lines.push_back(*record.chartLine - 1); // the log counts rules from 1
            }
        }
        if (lines.empty()) {
            drillStatus_ = QStringLiteral("No rule played wrong in the log yet: nothing to drill");
            const QSignalBlocker quiet(drillAction_);
            drillAction_->setChecked(false);
        } else {
            // The drill only orders the deck; the round goes on as at the plain table.
            drillDealer_ = new DrillDealer(
                std::make_unique<trainer::Drill>(derived_.chart, std::move(lines)), game(), this);
            connect(drillDealer_, &DrillDealer::changed, this, [this] { refreshStrip(); });
        }
    }
    refreshStrip();
}

void TTrainerForm::StrategyClick() {
    if (!derived_.chart)
        return;
    if (!strategy_) {
        strategy_ = new StrategyWindow(derived_.chart, derived_.accuracy, this);
        strategy_->move(geometry().center() - strategy_->rect().center());
    }
    strategy_->setCurrentRule(coach_.ChartRule());
    strategy_->show();
    strategy_->raise();
    strategy_->activateWindow();
}

void TTrainerForm::ReviewClick() {
    if (!log_->isOpen())
        return;
    if (!review_) {
        review_ =
            new ReviewWindow(log_->database(), QString::fromStdString(coach_.game().name()), this);
        review_->move(geometry().center() - review_->rect().center());
    } else {
        review_->reload();
    }
    review_->show();
    review_->raise();
    review_->activateWindow();
}

} // namespace ui
