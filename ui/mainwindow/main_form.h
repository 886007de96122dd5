#pragma once

#include "engine/game.h"
#include "engine/game_view.h"
#include "platform/frame/framed_window.h"
#include "ui/mainwindow/application_hint.h"
#include "ui/mainwindow/screen_cursors.h"
#include "ui_MainForm.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QLabel;

namespace ui {

class THelpForm;
class PictureBox;
class Announcer;

// The card table: the game's one window. It owns the game for the life of the process, turns
// clicks, menu commands and keys into the game's handlers and shows what the game tells it.
class TMainForm : public platform::FramedWindow, public engine::GameView {
    Q_OBJECT
public:
    // UTC milliseconds since midnight; seeds the shuffle. Tests pass their own.
    using Clock = engine::UtcClock;

    explicit TMainForm(QWidget* parent = nullptr);
    explicit TMainForm(Clock clock, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The guide window that Help > Playing the game shows; set by the application entry
    // once the guide exists. Without one the command does nothing.
    void setHelpForm(THelpForm* helpForm) { helpForm_ = helpForm; }

    engine::Game& game() { return game_; }
    const Ui::MainForm& widgets() const { return ui_; }
    const ScreenCursors& screenCursors() const { return screenCursors_; }
    ApplicationHint& applicationHint() { return hint_; }
    QSize recordedSize() const { return recordedSize_; }

    // Event handlers, named as the layout names them.
    void FormCreate();
    void FormActivate();
    void FormResize();
    void FormMouseMove();
    void ShowHint(const QString& hint);
    // The trainer steps in before a card is marked or the deck clicked.
    virtual void CarteClick(QObject* sender);
    virtual void Mazzo1Click();
    void NuovoClick();
    void PuntataClick();
    void NClick(QAction* sender);
    void Sommario1Click();
    void About1Click();
    void Esci1Click();

    // View operations.
    void ShowCard(int slot, int picture) override;
    void ShowBack(int slot) override;
    void ResetScores() override;
    void LightScore(int result) override;
    void SetModeColor(engine::TColor color) override;
    void SetModeText(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetCommandEnabled(engine::Command command, bool enabled) override;
    void SetDeckCursor(engine::ScreenCursor cursor) override;
    void SetBetBarText(const std::string& text) override;
    void SetScoreBarText(const std::string& text) override;
    void Beep(engine::BeepType type) override;
    void AppMessageBox(const std::string& text, const std::string& caption) override;
    engine::PromptAnswer AskText(const std::string& caption, const std::string& prompt,
                                 const std::string& preset) override;

    // The about line, also the status panel's hint.
    static QString CreditNotice();
    // What Quit says before the window closes.
    static QString FarewellText();

    // Tells a screen reader what changed, without moving the keyboard focus.
    Announcer& announcer() const { return *announcer_; }

protected:
    // For a derived window: builds the table but leaves the start of the game to the derived
    // constructor, which calls startGame() once its own overrides can be reached.
    struct StartLater {};
    TMainForm(Clock clock, QWidget* parent, StartLater);
    void startGame();

    // Adds room below the bottom panel (the trainer's strip): the window grows by height and
    // keeps the new size as its fixed one.
    void extendClientBelow(int height);
    // Shows another game's pay lines, lowest first, in the table's pay area: LightScore(2)
    // then lights the first. An empty list brings back the table's own nine.
    void showPayLines(const QStringList& texts);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void setUpLayout();
    void connectHandlers();
    void describeControls();
    PictureBox* slot(int number) const;
    // Card slots 1..5, then the deck: the table's stops for Tab and the arrow keys.
    void moveFocusAlongTable(int step);
    void showFocusMarks();
    // What a screen reader hears once a deal or a draw is on the table.
    void announceRound(engine::ScreenCursor deckCursor);
    QString litLineName() const;
    // Lights pay line 0, 1, ... (any other number: none) and puts out the others.
    void lightLine(int lit);
    QLabel* scoreLine(int index) const;
    static void describePayLine(QLabel& line);
    // Runs a menu command only while both the item and the window take input.
    void runCommand(QAction* action, const std::function<void()>& handler);

    Ui::MainForm ui_;
    engine::Game game_;
    ScreenCursors screenCursors_;
    ApplicationHint hint_;
    THelpForm* helpForm_ = nullptr;
    QSize recordedSize_;
    Announcer* announcer_ = nullptr;
    // The pay lines shown: the table's own, or those of the game a derived window plays.
    QList<QLabel*> tablePayLines_;
    QList<QLabel*> gamePayLines_;
    QList<QLabel*> payLines_;
    // Slots given a new card since the last deal or draw finished, and the cash then.
    QList<int> slotsShownThisStep_;
    engine::Money cashBeforeDraw_ = 0;
};

} // namespace ui
