#include "ui/trainer/review_window.h"

#include "ui/trainer/bets_text.h"
#include "ui/trainer/coach.h"
#include "ui/trainer/hand_log.h"
#include "ui/trainer/progress_chart.h"

#include "odds/game.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

QString summaryText(const QString& title, const trainer::Summary& summary) {
    if (summary.hands == 0)
        return title + QStringLiteral(": no hands yet");
    return QStringLiteral("%1: %2 %3, %4% right, %5 bets given away per 100 hands")
        .arg(title)
        .arg(summary.hands)
        .arg(summary.hands == 1 ? QStringLiteral("hand") : QStringLiteral("hands"))
        .arg(summary.accuracy() * 100.0, 0, 'f', 1)
        .arg(summary.givenAwayPer100(), 0, 'f', 2);
}

std::optional<odds::Fraction> parseFraction(const QString& text) {
    const QStringList parts = text.split(u'/');
    bool numeratorOk = false;
    bool denominatorOk = parts.size() == 1;
    const qlonglong numerator = parts[0].toLongLong(&numeratorOk);
    const qlonglong denominator = parts.size() == 2 ? parts[1].toLongLong(&denominatorOk) : 1;
    if (!numeratorOk || !denominatorOk || denominator <= 0 || parts.size() > 2)
        return std::nullopt;
    return odds::Fraction(numerator, denominator);
}

QString gameTitle(const QString& game) {
    const odds::Game* known = odds::findGame(game.toStdString());
    return known ? QString::fromStdString(known->title()) : game;
}

QString lineText(const std::optional<int>& line) {
    return line ? QStringLiteral("rule %1").arg(*line) : QStringLiteral("\u2014");
}

QString holdText(const std::array<engine::CardCode, engine::kHandSize>& dealt, unsigned mask) {
    return QString::fromStdString(trainer::Coach::HoldText(dealt, mask));
}

QTreeWidget* makeList(const QStringList& headers, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels(headers);
    list->header()->setStretchLastSection(true);
    return list;
}

} // namespace

ReviewWindow::ReviewWindow(const QSqlDatabase& database, QString game, QWidget* parent)
    : platform::FramedWindow(parent), statistics_(database), game_(std::move(game)) {
    setObjectName(QStringLiteral("ReviewWindow"));
    setWindowTitle(QStringLiteral("Review"));
    setBorderStyle(platform::BorderStyle::bsSizeable);
    setBorderIcons(platform::biSystemMenu | platform::biMinimize);
    QWidget* client = clientArea();
    auto* layout = new QVBoxLayout(client);

    lifetime_ = new QLabel(client);
    lifetime_->setObjectName(QStringLiteral("LifetimeLine"));
    gameLine_ = new QLabel(client);
    gameLine_->setObjectName(QStringLiteral("GameLine"));
    lifetime_->setWordWrap(true);
    gameLine_->setWordWrap(true);
    chart_ = new ProgressChart(client);
    layout->addWidget(lifetime_);
    layout->addWidget(gameLine_);
    layout->addWidget(chart_);

    auto* orderRow = new QHBoxLayout;
    auto* orderLabel = new QLabel(QStringLiteral("&Mistakes:"), client);
    orderChoice_ = new QComboBox(client);
    orderChoice_->addItems({QStringLiteral("costliest first"), QStringLiteral("by chart line")});
    orderLabel->setBuddy(orderChoice_);
    orderRow->addWidget(orderLabel);
    orderRow->addWidget(orderChoice_);
    orderRow->addStretch();
    layout->addLayout(orderRow);
    connect(orderChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        setOrder(index == 0 ? trainer::MistakeOrder::Costliest
                            : trainer::MistakeOrder::ByChartLine);
    });

    mistakes_ =
        makeList({QStringLiteral("Cards"), QStringLiteral("You kept"), QStringLiteral("Best hold"),
                  QStringLiteral("Cost"), QStringLiteral("Line")},
                 client);
    mistakes_->setObjectName(QStringLiteral("MistakeList"));
    mistakes_->setAccessibleName(QStringLiteral("Mistakes"));
    // Mistakes can be taken elsewhere (a note, the analyser's command line) as text.
    mistakes_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* copy = new QShortcut(QKeySequence::Copy, mistakes_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this,
            [this] { QApplication::clipboard()->setText(selectedMistakesText()); });
    layout->addWidget(mistakes_, 3);

    layout->addWidget(new QLabel(QStringLiteral("Chart lines most often wrong:"), client));
    lines_ = makeList(
        {QStringLiteral("Line"), QStringLiteral("Mistakes"), QStringLiteral("Bets given away")},
        client);
    lines_->setObjectName(QStringLiteral("LineList"));
    layout->addWidget(lines_, 1);

    setClientSize(QSize(600, 520));
    reload();
    // The list is what the window is for: the keyboard starts there.
    mistakes_->setFocus();
}

void ReviewWindow::setOrder(trainer::MistakeOrder order) {
    order_ = order;
    const int index = order == trainer::MistakeOrder::Costliest ? 0 : 1;
    if (orderChoice_->currentIndex() != index)
        orderChoice_->setCurrentIndex(index);
    fillMistakes();
}

void ReviewWindow::reload() {
    lifetime_->setText(summaryText(QStringLiteral("All games"), statistics_.summary()));
    gameLine_->setText(summaryText(QStringLiteral("This game (%1)").arg(gameTitle(game_)),
                                   statistics_.summary(game_)));
    chart_->setPoints(statistics_.progress(game_), trainer::LogStatistics::kStretch);
    fillMistakes();

    lines_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const trainer::LineRecord& line : statistics_.linesMostWrong(game_)) {
        rows << new QTreeWidgetItem(
            {line.chartLine ? lineText(line.chartLine) : QStringLiteral("not yet known"),
             QString::number(line.mistakes), QString::number(line.cost, 'f', 2)});
    }
    lines_->addTopLevelItems(rows);
}

QString ReviewWindow::selectedMistakesText() const {
    QStringList lines;
    for (int row = 0; row < mistakes_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = mistakes_->topLevelItem(row);
        if (!item->isSelected())
            continue;
        QStringList cells;
        for (int column = 0; column < mistakes_->columnCount(); ++column)
            cells << item->text(column);
        lines << cells.join(u'\t');
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

void ReviewWindow::fillMistakes() {
    mistakes_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const trainer::Mistake& mistake : statistics_.mistakes(game_, order_)) {
        const auto dealt = trainer::HandLog::parseDeal(mistake.deal);
        if (!dealt)
            continue; // a row this program did not write
        const std::optional<odds::Fraction> cost = parseFraction(mistake.exactCost);
        const QString costText =
            cost ? QString::fromStdString(trainer::bets(*cost, trainer::placesFor(*cost)))
                 : QString::number(mistake.cost, 'f', 4);
        rows << new QTreeWidgetItem({holdText(*dealt, 0b11111), holdText(*dealt, mistake.held),
                                     holdText(*dealt, mistake.best), costText,
                                     lineText(mistake.chartLine)});
    }
    mistakes_->addTopLevelItems(rows);
    for (int column = 0; column < mistakes_->columnCount() - 1; ++column)
        mistakes_->resizeColumnToContents(column);
}

} // namespace ui
