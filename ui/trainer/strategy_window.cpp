#include "ui/trainer/strategy_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

QString percent(const odds::Fraction& share, int places) {
    return QString::fromStdString(
               odds::Fraction(share.numerator() * 100, share.denominator()).decimal(places)) +
           u'%';
}

QString accuracyText(const odds::StrategyChart& chart,
                     const std::optional<odds::ChartAccuracy>& accuracy) {
    QString title = QString::fromStdString(chart.game().title());
    if (!title.isEmpty())
        title[0] = title[0].toUpper(); // it opens the sentence
    if (!accuracy)
        return title;
    return QStringLiteral("%1: played over every deal, the chart returns %2 against %3 for "
                          "perfect play, %4 less; its hold is worth less than the best on %5 "
                          "of deals.")
        .arg(title, percent(accuracy->chartReturn, 4), percent(accuracy->perfectReturn, 4),
             percent(accuracy->returnGivenUp, 4), percent(accuracy->worseShare, 3));
}

} // namespace

StrategyWindow::StrategyWindow(std::shared_ptr<const odds::StrategyChart> chart,
                               std::optional<odds::ChartAccuracy> accuracy, QWidget* parent)
    : platform::FramedWindow(parent) {
    setObjectName(QStringLiteral("StrategyWindow"));
    // Named by its game: a chart is one game's, and the task bar tells them apart.
    setWindowTitle(
        QStringLiteral("Strategy: %1").arg(QString::fromStdString(chart->game().title())));
    setBorderStyle(platform::BorderStyle::bsSizeable);
    setBorderIcons(platform::biSystemMenu | platform::biMinimize);
    QWidget* client = clientArea();
    auto* layout = new QVBoxLayout(client);

    accuracy_ = new QLabel(accuracyText(*chart, accuracy), client);
    accuracy_->setObjectName(QStringLiteral("ChartAccuracy"));
    accuracy_->setWordWrap(true);
    layout->addWidget(accuracy_);
    layout->addWidget(new QLabel(
        QStringLiteral("Keep the hold of the first rule, from the top, that the deal offers."),
        client));

    rules_ = new QTreeWidget(client);
    rules_->setObjectName(QStringLiteral("RuleList"));
    rules_->setRootIsDecorated(false);
    rules_->setUniformRowHeights(true);
    rules_->setHeaderLabels({QStringLiteral("Rule"), QStringLiteral("Hold"),
                             QStringLiteral("Average value"), QStringLiteral("Deals")});
    QList<QTreeWidgetItem*> rows;
    for (std::size_t line = 0; line < chart->lines().size(); ++line) {
        QStringList texts{QString::number(line + 1),
                          QString::fromStdString(chart->lines()[line].text)};
        if (accuracy && line < accuracy->lineUse.size()) {
            const odds::ChartLineUse& use = accuracy->lineUse[line];
            texts << QString::fromStdString(use.averageValue.decimal(4))
                  << percent(use.dealShare, 4);
        }
        rows << new QTreeWidgetItem(texts);
    }
    rules_->addTopLevelItems(rows);
    rules_->resizeColumnToContents(0);
    rules_->resizeColumnToContents(1);
    layout->addWidget(rules_);
    setClientSize(QSize(640, 520));
}

void StrategyWindow::setCurrentRule(std::optional<int> rule) {
    rules_->clearSelection();
    if (!rule || *rule < 0 || *rule >= rules_->topLevelItemCount())
        return;
    QTreeWidgetItem* item = rules_->topLevelItem(*rule);
    rules_->setCurrentItem(item);
    item->setSelected(true);
    rules_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

} // namespace ui
