#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace ui {

// Speaks what changed on the table without taking the keyboard focus: a screen reader
// presents a notification when it is shown. Never painted (no size, nothing drawn). What is
// said within one pass of the event loop is joined into one notification, so one step of the
// game is one utterance; flush() says it at once, as before a box opens.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Said first, in the order given.
    void say(const QString& text);
    // Said after everything given to say() for the same step (the trainer's notes).
    void sayAfter(const QString& text);
    void flush();

    // The last notification, as a screen reader was told it.
    QString lastSaid() const { return accessibleName(); }

private:
    void schedule();

    QStringList first_;
    QStringList after_;
    bool scheduled_ = false;
};

} // namespace ui
