#pragma once

#include "platform/frame/framed_window.h"
#include "ui/trainer/log_statistics.h"

#include <QString>

class QComboBox;
class QLabel;
class QTreeWidget;
class QSqlDatabase;

namespace ui {

class ProgressChart;

// The player's record from the trainer's log: statistics over every game and the current one,
// accuracy over time, past mistakes (costliest first or by chart line) and the chart lines
// most often got wrong. Reads the log when opened and when asked to again.
class ReviewWindow : public platform::FramedWindow {
    Q_OBJECT
public:
    ReviewWindow(const QSqlDatabase& database, QString game, QWidget* parent = nullptr);

    // Reads the log again.
    void reload();
    void setOrder(trainer::MistakeOrder order);

    QLabel* lifetimeLine() const { return lifetime_; }
    QLabel* gameLine() const { return gameLine_; }
    ProgressChart* chart() const { return chart_; }
    QTreeWidget* mistakeList() const { return mistakes_; }
    QTreeWidget* lineList() const { return lines_; }
    // The selected mistakes as text, a line each, its columns apart by tabs (Ctrl+C).
    QString selectedMistakesText() const;

private:
    void fillMistakes();

    trainer::LogStatistics statistics_;
    QString game_;
    trainer::MistakeOrder order_ = trainer::MistakeOrder::Costliest;
    QLabel* lifetime_ = nullptr;
    QLabel* gameLine_ = nullptr;
    ProgressChart* chart_ = nullptr;
    QComboBox* orderChoice_ = nullptr;
    QTreeWidget* mistakes_ = nullptr;
    QTreeWidget* lines_ = nullptr;
};

} // namespace ui
