#pragma once

#include "odds/strategy_chart.h"
#include "platform/frame/framed_window.h"

#include <memory>
#include <optional>

class QLabel;
class QTreeWidget;

namespace ui {

// The whole strategy chart of the game the trainer plays, rule by rule, with what each rule's
// hold is worth on average and how often it decides, and the chart's accuracy over every deal.
// The rule of the hand on the table is selected.
class StrategyWindow : public platform::FramedWindow {
    Q_OBJECT
public:
    StrategyWindow(std::shared_ptr<const odds::StrategyChart> chart,
                   std::optional<odds::ChartAccuracy> accuracy, QWidget* parent = nullptr);

    // Selects the rule (0 first) and shows it; none clears the selection.
    void setCurrentRule(std::optional<int> rule);

    QLabel* accuracyLine() const { return accuracy_; }
    QTreeWidget* ruleList() const { return rules_; }

private:
    QLabel* accuracy_ = nullptr;
    QTreeWidget* rules_ = nullptr;
};

} // namespace ui
