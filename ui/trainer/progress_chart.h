#pragma once

#include "ui/trainer/log_statistics.h"

#include <QWidget>

#include <vector>

namespace ui {

// Accuracy over the player's hands, one point per stretch of hands, drawn as a line over a
// 0-100 % scale; a stretch not yet full is drawn hollow.
class ProgressChart : public QWidget {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void setPoints(std::vector<trainer::ProgressPoint> points, int stretch);
    const std::vector<trainer::ProgressPoint>& points() const { return points_; }

    QSize sizeHint() const override { return {420, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<trainer::ProgressPoint> points_;
    int stretch_ = trainer::LogStatistics::kStretch;
};

} // namespace ui
