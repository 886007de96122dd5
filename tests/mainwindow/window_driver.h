#pragma once

// Helpers that drive the real table window the way a player does and read back what the
// widgets show.

#include "ui/mainwindow/main_form.h"

#include <QAccessible>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

namespace testing_support {

// 12:34:56.789 UTC: the shuffle then begins 18, 4, 40, 52, 48, 6, 23, 26, 32, 29.
inline constexpr std::uint32_t kFixedClock = ((12 * 60 + 34) * 60 + 56) * 1000 + 789;

// A shown, active table with the fixed clock.
std::unique_ptr<ui::TMainForm> OpenTable();
// Shows the window and waits until it is the active one.
void Activate(ui::TMainForm& table);

// The widget's own painting, as the player sees it.
QImage Shot(QWidget* widget);
// The embedded picture n as the widgets would paint it.
QImage Picture(int number);
// Whether the widget shows picture n, pixel for pixel.
bool ShowsPicture(QWidget* widget, int number);
// How many pixels of the widget's painting have exactly this colour.
int CountPixels(QWidget* widget, const QColor& color);
// The pay line (0..8) whose text is painted yellow; -1 when none is, -2 when several are.
int LitLine(ui::TMainForm& table);

void Click(QWidget* widget);
// A double-click as the window system delivers it: press, release, then a second press that
// also comes as a double-click event, and its release.
void DoubleClick(QWidget* widget);

// A key pressed and released on the table's window, delivered as the window system delivers
// it: to whichever widget has the keyboard focus.
void PressKey(ui::TMainForm& table, Qt::Key key, Qt::KeyboardModifiers modifiers = {});

// What a screen reader hears for the widget, read through the accessibility interface.
QString AccessibleName(QWidget* widget);
QString AccessibleDescription(QWidget* widget);
QAccessible::Role AccessibleRole(QWidget* widget);
QAccessible::State AccessibleState(QWidget* widget);

// A modal box met while some code runs: its window title and its visible texts.
struct SeenBox {
    QString className;
    QString title;
    QString text;
};

// Watches for modal boxes from now on and answers each with `answer` (which should close it;
// a box still open two seconds later is closed, so a failing test cannot hang); by default
// presses Enter. Stops when destroyed.
class ModalAnswerer {
public:
    using Answer = std::function<void(QWidget* box)>;
    explicit ModalAnswerer(Answer answer = {});
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    const QList<SeenBox>& seen() const { return seen_; }

private:
    void poll();
    Answer answer_;
    QList<SeenBox> seen_;
    QPointer<QWidget> last_;
    int pollsOnLast_ = 0;
    bool stopped_ = false;
    std::shared_ptr<bool> alive_;
};

// Presses Enter in the box.
void PressEnter(QWidget* box);
// Types text into the box's edit field, then presses Enter.
ModalAnswerer::Answer TypeAndConfirm(const QString& text);

} // namespace testing_support
