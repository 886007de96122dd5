#include "ui/trainer/trainer_form.h"

#include "odds/hand_table.h"
#include "platform/frame/system_settings.h"
#include "ui/boxes/error_report.h"
#include "ui/mainwindow/announcer.h"
#include "ui/mainwindow/table_accessibility.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace ui {

namespace {

constexpr int kMargin = 12; // the cards' left margin
constexpr int kLineHeight = 16;
constexpr int kButtonWidth = 48;

void paint(QLabel& label, engine::TColor color) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, platform::SystemSettings::instance().resolve(color));
    label.setPalette(palette);
}

} // namespace

TTrainerForm::TTrainerForm(QWidget* parent) : TTrainerForm(engine::SystemUtcMilliseconds, parent) {}

TTrainerForm::TTrainerForm(Clock clock, QWidget* parent) : TMainForm(std::move(clock), parent) {
    scoring_ = std::async(std::launch::async, [] { odds::HandTable::instance(); });
    buildStrip();
    refreshStrip();
}

// The scoring thread is waited for: the table it fills outlives the window.
TTrainerForm::~TTrainerForm() = default;

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
    const auto line = [&](const char* name, int row, int width, engine::TColor color) {
        auto* label = new QLabel(strip_);
        label->setObjectName(QLatin1String(name));
        label->setFont(font);
        label->setGeometry(kMargin, 4 + row * (kLineHeight + 1), width, kLineHeight);
        paint(*label, color);
        return label;
    };
    advice_ = line("TrainerAdvice", 0, textWidth - kButtonWidth - 4, engine::clYellow);
    verdict_ = line("TrainerVerdict", 1, textWidth, engine::clLime);
    tally_ = line("TrainerTally", 2, textWidth, engine::clSilver);
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

void TTrainerForm::refreshStrip() {
    advice_->setText(QString::fromStdString(coach_.FirstLine()));
    verdict_->setText(QString::fromStdString(coach_.SecondLine()));
    tally_->setText(QString::fromStdString(coach_.TallyLine()));
    paint(*verdict_, coach_.Mistaken() ? engine::clRed : engine::clLime);
    hintButton_->setEnabled(coach_.CanHint());
}

void TTrainerForm::HintClick() {
    if (!coach_.CanHint() || !isEnabled())
        return;
    coach_.Hint();
    refreshStrip();
    announcer().say(SpokenCardText(advice_->text()));
}

void TTrainerForm::ShowCard(int slot, int picture) {
    TMainForm::ShowCard(slot, picture);
    coach_.CardShown(slot, picture);
}

void TTrainerForm::ShowBack(int slot) {
    TMainForm::ShowBack(slot);
    coach_.CardCovered(slot);
}

void TTrainerForm::SetModeText(const std::string& text) {
    TMainForm::SetModeText(text);
    coach_.ModeShown(text);
    const QString verdictBefore = verdict_->text();
    refreshStrip();
    // A screen reader hears a new verdict after what the table says of the round.
    if (verdict_->text() != verdictBefore)
        announcer().sayAfter(SpokenCardText(verdict_->text()));
}

} // namespace ui
