#include "ui/trainer/progress_chart.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {

constexpr int kLeft = 40; // room for the scale's labels
constexpr int kMargin = 8;

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ProgressChart"));
    setMinimumSize(200, 90);
    setAccessibleName(QStringLiteral("Accuracy by stretches of hands"));
}

void ProgressChart::setPoints(std::vector<trainer::ProgressPoint> points, int stretch) {
    points_ = std::move(points);
    stretch_ = stretch;
    QStringList spoken;
    for (const trainer::ProgressPoint& point : points_)
        spoken << QStringLiteral("hands %1 to %2: %3%")
                      .arg(point.firstHand)
                      .arg(point.firstHand + point.hands - 1)
                      .arg(point.accuracy * 100.0, 0, 'f', 1);
    setAccessibleDescription(spoken.isEmpty() ? QStringLiteral("no hands yet")
                                              : spoken.join(QStringLiteral("; ")));
    update();
}

void ProgressChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF plot(kLeft, kMargin, width() - kLeft - kMargin, height() - 2 * kMargin - 12);
    const QColor ink = palette().color(QPalette::Text);

    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    for (int percent : {0, 50, 100}) {
        const qreal y = plot.bottom() - plot.height() * percent / 100.0;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink);
        painter.drawText(QRectF(0, y - 7, kLeft - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1%").arg(percent));
        painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    }
    painter.setPen(ink);
    if (points_.empty()) {
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("No hands logged yet"));
        return;
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), 12),
                     Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("each point %1 hands").arg(stretch_));

    const auto at = [&](std::size_t i) {
        const qreal x = points_.size() == 1
                            ? plot.center().x()
                            : plot.left() + plot.width() * static_cast<qreal>(i) /
                                                static_cast<qreal>(points_.size() - 1);
        return QPointF(x, plot.bottom() - plot.height() * points_[i].accuracy);
    };
    QPainterPath line;
    line.moveTo(at(0));
    for (std::size_t i = 1; i < points_.size(); ++i)
        line.lineTo(at(i));
    const QColor accent = palette().color(QPalette::Highlight);
    painter.setPen(QPen(accent, 2));
    painter.drawPath(line);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const bool full = points_[i].hands >= stretch_;
        painter.setBrush(full ? accent : palette().color(QPalette::Base));
        painter.drawEllipse(at(i), 3.5, 3.5);
    }
}

} // namespace ui
