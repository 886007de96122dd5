#include "ui/mainwindow/main_form.h"

#include "engine/spoken_names.h"
#include "platform/frame/system_settings.h"
#include "platform/stream/component_layout.h"
#include "resources/layouts/components/component_layouts.h"
#include "ui/boxes/boxes.h"
#include "ui/guide/help_form.h"
#include "ui/mainwindow/accel_label.h"
#include "ui/mainwindow/announcer.h"
#include "ui/mainwindow/classic_layout.h"
#include "ui/mainwindow/picture_box.h"
#include "ui/mainwindow/table_accessibility.h"
#include "ui/pictures/cursor_resource.h"
#include "ui/pictures/main_icon.h"
#include "ui/pictures/picture_lookup.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace ui {

namespace {

constexpr QSize kClientSize(434, 307);
constexpr int kSlotCount = 5;
constexpr int kFirstBackPicture = 52; // back design t is picture 52 + t
constexpr int kDeckBackAtStart = 53;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Qt tells screen readers of every call, changed or not; a deal would otherwise send a burst
// of changes that are none.
void setNameIfChanged(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
}

void setDescriptionIfChanged(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : TMainForm(engine::SystemUtcMilliseconds, parent) {}

TMainForm::TMainForm(Clock clock, QWidget* parent)
    : TMainForm(std::move(clock), parent, StartLater{}) {
    startGame();
}

TMainForm::TMainForm(Clock clock, QWidget* parent, StartLater)
    : platform::FramedWindow(parent),
      game_(*this, clock ? std::move(clock) : engine::UtcClock(engine::SystemUtcMilliseconds)) {
    setObjectName(QStringLiteral("MainForm"));
    InstallTableAccessibility();
    setUpLayout();
    describeControls();
    connectHandlers();

    // The window's non-visual components (the title-bar painter) come from its component
    // layout, after the controls and before the game starts. Should the layout fail, the
    // error is reported and the window keeps its standard caption.
    RunGuarded([this] {
        platform::LoadComponentLayout(*this,
                                      QString::fromLatin1(resources::MainFormComponentLayout));
    });
}

// The game starts once the whole window is built: FormCreate already talks to the view.
void TMainForm::startGame() {
    RunGuarded([this] { FormCreate(); });
}

TMainForm::~TMainForm() = default;

QString TMainForm::CreditNotice() {
    return QStringLiteral("Vandolin (c) 1998 Tavola Verde Software");
}

QString TMainForm::FarewellText() {
    return QStringLiteral("Thank You for playing \rVandolin.\rBye...") + QString(19, u' ');
}

void TMainForm::setUpLayout() {
    setWindowTitle(QStringLiteral("Vandolin"));
    setBorderStyle(platform::BorderStyle::bsSizeable);
    setBorderIcons(platform::biSystemMenu | platform::biMinimize);

    QWidget* client = clientArea();
    {
        const ClassicFontsAsSet fontsAsSet;
        ui_.setupUi(client);
    }
    ApplyClassicFonts(*client);

    // Separators cannot be named in a layout file; give them their names here.
    const std::array<std::pair<QMenu*, const char*>, 3> separators{
        {{ui_.Gioco1, "N1"}, {ui_.N2, "N3"}, {ui_.PopupMenu1, "N4"}}};
    for (const auto& [menu, name] : separators) {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                action->setObjectName(QLatin1String(name));
        }
    }

    // The bottom bar wears the desktop's button face, as its panels do.
    const platform::SystemSettings& settings = platform::SystemSettings::instance();
    for (QWidget* panel :
         {static_cast<QWidget*>(ui_.Panel1), static_cast<QWidget*>(ui_.StatusBar),
          static_cast<QWidget*>(ui_.BetBar), static_cast<QWidget*>(ui_.ScoreBar)}) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, settings.sysColor(platform::COLOR_BTNFACE));
        palette.setColor(QPalette::Light, settings.sysColor(platform::COLOR_BTNHIGHLIGHT));
        palette.setColor(QPalette::Dark, settings.sysColor(platform::COLOR_BTNSHADOW));
        panel->setPalette(palette);
    }

    AutoSizeLabel(*ui_.Mode);
    AutoSizeLabel(*ui_.Label1);
    AutoSizeLabel(*ui_.Label2);
    tablePayLines_ = {ui_.Score0, ui_.Score1, ui_.Score2, ui_.Score3, ui_.Score4,
                      ui_.Score5, ui_.Score6, ui_.Score7, ui_.Score8};
    payLines_ = tablePayLines_;
    for (QLabel* line : payLines_)
        AutoSizeLabel(*line);

    // Hints follow the pointer over every control, and the bare table reports movement.
    client->setMouseTracking(true);
    client->installEventFilter(this);
    client->setContextMenuPolicy(Qt::NoContextMenu);
    for (QWidget* child : client->findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        // No control has a pop-up menu of its own: the request passes up to the window.
        if (!qobject_cast<QMenu*>(child))
            child->setContextMenuPolicy(Qt::NoContextMenu);
    }

    setMenuBar(ui_.MainMenu1);
    // The table has one size: window managers then offer no maximise or fullscreen.
    setSizeFixed(true);
    setClientSize(kClientSize);
    // Both images: the caption takes the small one, task switchers the large one.
    setWindowIcon(MainIcon());

    if (QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void TMainForm::describeControls() {
    // The cards and the deck take the focus from the keyboard only (Tab, the arrow keys, the
    // number keys), so a screen reader follows the player; a click leaves the focus alone.
    for (int i = 1; i <= kSlotCount; ++i) {
        PictureBox* box = slot(i);
        box->setCheckable(true);
        box->setFocusPolicy(Qt::TabFocus);
        box->setAccessibleDescription(
            QStringLiteral("Card %1; checked when marked to change; press %1 to mark or keep it")
                .arg(i));
    }
    ui_.Mazzo1->setFocusPolicy(Qt::TabFocus);
    ui_.Mazzo1->setAccessibleDescription(
        QStringLiteral("The deck; press Space or Enter to deal or draw"));
    for (int i = 1; i < kSlotCount; ++i)
        setTabOrder(slot(i), slot(i + 1));
    setTabOrder(slot(kSlotCount), ui_.Mazzo1);

    ui_.BetBar->setAccessibleDescription(QStringLiteral("the amount bet"));
    ui_.ScoreBar->setAccessibleDescription(QStringLiteral("the cash"));
    SetAccessibleRole(*ui_.StatusBar, QAccessible::StatusBar);
    for (QLabel* line : payLines_)
        describePayLine(*line);
    // The Deck menu shows a number beside each picture; a screen reader names the back.
    for (QAction* back : {ui_.N_1, ui_.N_2, ui_.N_3, ui_.N_4, ui_.N_5, ui_.N_6})
        SetAccessibleName(*back, QStringLiteral("Card back ") + back->text().remove(u'&'));
    announcer_ = new Announcer(clientArea());
}

void TMainForm::connectHandlers() {
    for (int i = 1; i <= kSlotCount; ++i) {
        PictureBox* box = slot(i);
        connect(box, &PictureBox::clicked, this,
                [this, box] { RunGuarded([this, box] { CarteClick(box); }); });
    }
    connect(ui_.Mazzo1, &PictureBox::clicked, this,
            [this] { RunGuarded([this] { Mazzo1Click(); }); });

    const auto command = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this, [this, action, handler] {
            runCommand(action, [this, handler] { (this->*handler)(); });
        });
    };
    command(ui_.Nuovo1, &TMainForm::NuovoClick);
    command(ui_.Nuovo2, &TMainForm::NuovoClick);
    command(ui_.Puntata1, &TMainForm::PuntataClick);
    command(ui_.Puntata2, &TMainForm::PuntataClick);
    command(ui_.Esci1, &TMainForm::Esci1Click);
    command(ui_.Esci2, &TMainForm::Esci1Click);
    command(ui_.Sommario1, &TMainForm::Sommario1Click);
    command(ui_.About1, &TMainForm::About1Click);
    for (QAction* back : {ui_.N_1, ui_.N_2, ui_.N_3, ui_.N_4, ui_.N_5, ui_.N_6}) {
        connect(back, &QAction::triggered, this,
                [this, back] { runCommand(back, [this, back] { NClick(back); }); });
    }
}

void TMainForm::runCommand(QAction* action, const std::function<void()>& handler) {
    // A disabled item, or a window behind a modal box, ignores its command and shortcut.
    if (!action->isEnabled() || !isEnabled() || QApplication::activeModalWidget())
        return;
    RunGuarded(handler);
}

PictureBox* TMainForm::slot(int number) const {
    switch (number) {
    case 1:
        return ui_.Carte1;
    case 2:
        return ui_.Carte2;
    case 3:
        return ui_.Carte3;
    case 4:
        return ui_.Carte4;
    case 5:
        return ui_.Carte5;
    default:
        return nullptr;
    }
}

QLabel* TMainForm::scoreLine(int index) const {
    return index >= 0 && index < payLines_.size() ? payLines_[index] : nullptr;
}

void TMainForm::describePayLine(QLabel& line) {
    SetAccessibleRole(line, QAccessible::StaticText);
    line.setAccessibleDescription(QStringLiteral("not lit"));
}

void TMainForm::showPayLines(const QStringList& texts) {
    qDeleteAll(gamePayLines_);
    gamePayLines_.clear();
    for (QLabel* line : tablePayLines_)
        line->setVisible(texts.isEmpty());
    if (texts.isEmpty()) {
        payLines_ = tablePayLines_;
        lightLine(-1);
        return;
    }
    // The lines fill the table's pay area, right-aligned as its own: nine or fewer where the
    // table's nine are, in their face; a longer table down to the bottom panel, in a face
    // small enough to fit, each line's box as tall as the face so that nothing is cut.
    const QRect first = ui_.Score0->geometry();
    const int right = first.right();
    const int tablePitch = ui_.Score1->y() - ui_.Score0->y();
    const int pitch =
        texts.size() <= tablePayLines_.size()
            ? tablePitch
            : std::min(tablePitch, (ui_.Panel1->y() - 2 - first.top()) / int(texts.size()));
    QFont font = ui_.Score0->font();
    int height = first.height();
    int top = first.top();
    if (pitch < tablePitch) {
        font.setPixelSize(pitch - 1);
        height = QFontMetrics(font).height();
        top += (pitch - height) / 2;
    }
    font.setBold(true);
    const int left = ui_.Mazzo1->geometry().right() + 8;
    for (int i = 0; i < texts.size(); ++i) {
        auto* line = new QLabel(texts[i], clientArea());
        line->setObjectName(QStringLiteral("PayLine%1").arg(i));
        line->setFont(font);
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        line->setGeometry(left, top + i * pitch, right - left + 1, height);
        line->setMouseTracking(true);
        line->setContextMenuPolicy(Qt::NoContextMenu);
        describePayLine(*line);
        line->show();
        gamePayLines_.append(line);
    }
    payLines_ = gamePayLines_;
    lightLine(-1);
}

void TMainForm::extendClientBelow(int height) {
    recordedSize_ = QSize(); // the fixed size follows once the window has grown
    setClientSize(kClientSize + QSize(0, height));
    recordedSize_ = size();
    move(x(), y() - height / 2);
}

// ---- handlers --------------------------------------------------------------------------

void TMainForm::FormCreate() {
    recordedSize_ = size();

    screenCursors_.Register(static_cast<int>(engine::ScreenCursor::HandCursor),
                            LoadCursorResource(QStringLiteral("MANO")));
    screenCursors_.Register(static_cast<int>(engine::ScreenCursor::ChangeCursor),
                            LoadCursorResource(QStringLiteral("CAMBIA")));
    const int hand = static_cast<int>(engine::ScreenCursor::HandCursor);
    for (int i = 1; i <= kSlotCount; ++i)
        slot(i)->setCursorId(hand, screenCursors_.Cursor(hand));
    ui_.Mazzo1->setCursorId(hand, screenCursors_.Cursor(hand));

    connect(&hint_, &ApplicationHint::hintChanged, this,
            [this](const QString& hint) { RunGuarded([this, hint] { ShowHint(hint); }); });
    hint_.watchMenuBar(ui_.MainMenu1);
    hint_.watchMenu(ui_.PopupMenu1);
    hint_.install();

    ui_.Mazzo1->drawPicture(PictureByNumber(kDeckBackAtStart));
    ui_.Mazzo1->setAccessibleName(
        fromStd(engine::DeckActionName(engine::ScreenCursor::HandCursor)));
    // The deck has the focus when the table opens: the next key deals.
    ui_.Mazzo1->setFocus(Qt::OtherFocusReason);
    game_.FormCreate();
}

void TMainForm::FormActivate() {
    game_.FormActivate();
}

void TMainForm::FormResize() {
    if (!recordedSize_.isValid() || size() == recordedSize_)
        return;
    // Height first, then width; the nested resize this causes finds the size already right.
    resize(width(), recordedSize_.height());
    resize(recordedSize_.width(), recordedSize_.height());
}

void TMainForm::FormMouseMove() {
    game_.FormMouseMove();
}

void TMainForm::ShowHint(const QString& hint) {
    ui_.StatusBar->setText(hint);
}

void TMainForm::CarteClick(QObject* sender) {
    if (!sender)
        return;
    game_.CarteClick(sender->objectName().toStdString());
}

void TMainForm::Mazzo1Click() {
    game_.Mazzo1Click();
}

void TMainForm::NuovoClick() {
    game_.NuovoClick();
}

void TMainForm::PuntataClick() {
    game_.PuntataClick();
}

void TMainForm::NClick(QAction* sender) {
    if (!sender)
        return;
    for (QAction* back : {ui_.N_1, ui_.N_2, ui_.N_3, ui_.N_4, ui_.N_5, ui_.N_6})
        back->setChecked(false);
    sender->setChecked(true);
    ui_.Mazzo1->drawPicture(PictureByNumber(kFirstBackPicture + sender->property("tag").toInt()));
    game_.NClick();
}

void TMainForm::Sommario1Click() {
    if (helpForm_)
        helpForm_->ShowModal();
}

void TMainForm::About1Click() {
    ShowInformation(CreditNotice());
}

void TMainForm::Esci1Click() {
    ShowInformation(FarewellText());
    close();
}

// ---- view operations -------------------------------------------------------------------

void TMainForm::ShowCard(int slotNumber, int picture) {
    if (PictureBox* box = slot(slotNumber)) {
        box->drawPicture(PictureByNumber(picture));
        const QString name = fromStd(engine::SlotPictureName(picture));
        // A card turned face up again after a mark is no new card.
        if (box->accessibleName() != name && !slotsShownThisStep_.contains(slotNumber))
            slotsShownThisStep_ << slotNumber;
        setNameIfChanged(*box, name);
        box->setChecked(false);
    }
}

void TMainForm::ShowBack(int slotNumber) {
    if (PictureBox* box = slot(slotNumber)) {
        box->setPicture(ui_.Mazzo1->picture());
        // The card keeps its name: the back means "marked to change" only while a hand is on
        // the table; the deal shows backs for a moment before the new faces.
        box->setChecked(game_.RoundState == engine::Round::Draw);
    }
}

void TMainForm::ResetScores() {
    lightLine(-1);
}

void TMainForm::LightScore(int result) {
    // Result 2 (jacks or better) lights the first line, 10 (royal flush) the last.
    lightLine(result - 2);
}

void TMainForm::lightLine(int lit) {
    const platform::SystemSettings& settings = platform::SystemSettings::instance();
    for (int i = 0; i < payLines_.size(); ++i) {
        QLabel* line = payLines_[i];
        QPalette palette = line->palette();
        palette.setColor(QPalette::WindowText,
                         settings.resolve(i == lit ? engine::clYellow : engine::clSilver));
        line->setPalette(palette);
        // A line that stays lit is no change to a screen reader.
        setDescriptionIfChanged(*line,
                                i == lit ? QStringLiteral("lit") : QStringLiteral("not lit"));
        SetLit(*line, i == lit);
    }
}

void TMainForm::SetModeColor(engine::TColor color) {
    QPalette palette = ui_.Mode->palette();
    palette.setColor(QPalette::WindowText, platform::SystemSettings::instance().resolve(color));
    ui_.Mode->setPalette(palette);
}

void TMainForm::SetModeText(const std::string& text) {
    ui_.Mode->setCaption(fromStd(text));
    AutoSizeLabel(*ui_.Mode);
}

void TMainForm::SetStatusText(const std::string& text) {
    ui_.StatusBar->setText(fromStd(text));
}

void TMainForm::SetCommandEnabled(engine::Command command, bool enabled) {
    switch (command) {
    case engine::Command::Puntata1:
        ui_.Puntata1->setEnabled(enabled);
        break;
    case engine::Command::Puntata2:
        ui_.Puntata2->setEnabled(enabled);
        break;
    case engine::Command::Nuovo1:
        ui_.Nuovo1->setEnabled(enabled);
        break;
    case engine::Command::Nuovo2:
        ui_.Nuovo2->setEnabled(enabled);
        break;
    }
}

void TMainForm::SetDeckCursor(engine::ScreenCursor cursor) {
    const int id = static_cast<int>(cursor);
    ui_.Mazzo1->setCursorId(id, screenCursors_.Cursor(id));
    setNameIfChanged(*ui_.Mazzo1, fromStd(engine::DeckActionName(cursor)));
    // The deck's cursor is the last thing a deal or a draw changes: the table is complete.
    announceRound(cursor);
}

void TMainForm::announceRound(engine::ScreenCursor deckCursor) {
    QStringList cards;
    const bool dealt = deckCursor == engine::ScreenCursor::ChangeCursor;
    for (int i = 1; i <= kSlotCount; ++i) {
        if (dealt || slotsShownThisStep_.contains(i))
            cards << slot(i)->accessibleName();
    }
    slotsShownThisStep_.clear();
    const QString lit = litLineName();
    if (dealt) {
        cashBeforeDraw_ = game_.Cash;
        announcer_->say(cards.join(QStringLiteral(", ")) + QStringLiteral(". ") +
                        (lit.isEmpty() ? QStringLiteral("No pay line lit.")
                                       : QStringLiteral("Lit: %1.").arg(lit)));
        return;
    }
    const QString drawn =
        cards.isEmpty() ? QStringLiteral("No new cards.")
                        : QStringLiteral("New cards: %1.").arg(cards.join(QStringLiteral(", ")));
    const engine::Money change = game_.Cash - cashBeforeDraw_;
    const QString money =
        change > 0   ? QStringLiteral("you win %1").arg(fromStd(engine::MoneyText(change)))
        : change < 0 ? QStringLiteral("you lose %1").arg(fromStd(engine::MoneyText(-change)))
                     : QStringLiteral("no win");
    announcer_->say(QStringLiteral("%1 %2: %3, cash %4.")
                        .arg(drawn, lit.isEmpty() ? QStringLiteral("Nothing") : lit, money,
                             fromStd(engine::MoneyText(game_.Cash))));
}

QString TMainForm::litLineName() const {
    for (QLabel* line : payLines_) {
        if (IsLit(*line)) {
            // "two pair - 3 : 1": the hand, without its pay; the hand's name may hold a
            // dash of its own ("four 2s-4s - 80 for 1").
            const QString text = line->text();
            return text.left(text.lastIndexOf(u'-')).trimmed();
        }
    }
    return {};
}

void TMainForm::SetBetBarText(const std::string& text) {
    ui_.BetBar->setText(fromStd(text));
    setNameIfChanged(*ui_.BetBar, ui_.Label1->text() + u' ' + fromStd(text));
}

void TMainForm::SetScoreBarText(const std::string& text) {
    ui_.ScoreBar->setText(fromStd(text));
    setNameIfChanged(*ui_.ScoreBar, ui_.Label2->text() + u' ' + fromStd(text));
}

void TMainForm::Beep(engine::BeepType type) {
    platform::MessageBeep(static_cast<unsigned>(type));
}

void TMainForm::AppMessageBox(const std::string& text, const std::string& caption) {
    // What the table says comes before the box that opens over it.
    announcer_->flush();
    ui::AppMessageBox(fromStd(text), fromStd(caption), MB_OK);
}

engine::PromptAnswer TMainForm::AskText(const std::string& caption, const std::string& prompt,
                                        const std::string& preset) {
    const TextAnswer answer = ui::AskText(fromStd(caption), fromStd(prompt), fromStd(preset));
    return engine::PromptAnswer{answer.text.toStdString(), answer.confirmed};
}

// ---- window events ---------------------------------------------------------------------

bool TMainForm::event(QEvent* event) {
    const bool handled = platform::FramedWindow::event(event);
    // Shown counts as activated for the money panels: a compositor may never activate the
    // table (a headless one), and the panels must not stay empty there.
    if (event->type() == QEvent::WindowActivate ||
        (event->type() == QEvent::Show && !event->spontaneous()))
        RunGuarded([this] { FormActivate(); });
    return handled;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clientArea() && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        // Only the bare table counts, not the controls on it.
        if (!clientArea()->childAt(move->position().toPoint()))
            RunGuarded([this] { FormMouseMove(); });
    }
    return platform::FramedWindow::eventFilter(watched, event);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    platform::FramedWindow::resizeEvent(event);
    RunGuarded([this] { FormResize(); });
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint inClient = clientArea()->mapFrom(this, event->pos());
    if (!clientArea()->rect().contains(inClient)) {
        event->ignore();
        return;
    }
    ui_.PopupMenu1->popup(event->globalPos());
    event->accept();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    FramedWindow::closeEvent(event);
    // Closing the table ends the game. Waiting for the last window to close is not enough: a
    // key that reached the table just before it closed can still open one of its menus.
    if (event->isAccepted())
        QCoreApplication::quit();
}

bool TMainForm::focusNextPrevChild(bool next) {
    const bool moved = platform::FramedWindow::focusNextPrevChild(next);
    if (moved)
        showFocusMarks();
    return moved;
}

void TMainForm::showFocusMarks() {
    for (int i = 1; i <= kSlotCount; ++i)
        slot(i)->setFocusMarkShown(true);
    ui_.Mazzo1->setFocusMarkShown(true);
}

void TMainForm::moveFocusAlongTable(int step) {
    const std::array<PictureBox*, kSlotCount + 1> stops{slot(1), slot(2), slot(3),
                                                        slot(4), slot(5), ui_.Mazzo1};
    const auto at = std::find(stops.begin(), stops.end(), focusWidget());
    const int count = static_cast<int>(stops.size());
    const int from = at == stops.end() ? (step > 0 ? -1 : 0) : static_cast<int>(at - stops.begin());
    showFocusMarks();
    stops[static_cast<std::size_t>((from + step + count) % count)]->setFocus(Qt::TabFocusReason);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // The table without a mouse: a number key clicks its card slot, Space or Enter the deck.
    // Keys reach the window only when no menu or box has taken them, and act, as the menu
    // shortcuts do, only while the table takes input; a held key clicks once. The arrow keys
    // walk the cards and the deck as Tab does.
    const int key = event->key();
    const bool slotKey = key >= Qt::Key_1 && key < Qt::Key_1 + kSlotCount;
    const bool deckKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int arrowStep = key == Qt::Key_Left || key == Qt::Key_Up      ? -1
                          : key == Qt::Key_Right || key == Qt::Key_Down ? 1
                                                                        : 0;
    if (arrowStep != 0 && modifiers == Qt::NoModifier && isEnabled() &&
        !QApplication::activeModalWidget()) {
        event->accept();
        moveFocusAlongTable(arrowStep);
        return;
    }
    if ((!slotKey && !deckKey) || modifiers != Qt::NoModifier) {
        platform::FramedWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !isEnabled() || QApplication::activeModalWidget())
        return;
    if (slotKey) {
        PictureBox* box = slot(key - Qt::Key_0);
        RunGuarded([this, box] { CarteClick(box); });
        // The focus follows the key, so a screen reader says which card it was and its mark.
        if (game_.RoundState == engine::Round::Draw)
            box->setFocus(Qt::ShortcutFocusReason);
    } else {
        RunGuarded([this] { Mazzo1Click(); });
    }
}

} // namespace ui
