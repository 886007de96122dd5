#include "ui/mainwindow/announcer.h"

#include <QTimer>

namespace ui {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString& text) {
    if (text.isEmpty())
        return;
    first_ << text;
    schedule();
}

void Announcer::sayAfter(const QString& text) {
    if (text.isEmpty())
        return;
    after_ << text;
    schedule();
}

void Announcer::schedule() {
    if (scheduled_)
        return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] { flush(); });
}

void Announcer::flush() {
    scheduled_ = false;
    const QStringList parts = first_ + after_;
    first_.clear();
    after_.clear();
    if (parts.isEmpty())
        return;
    // A screen reader presents a notification when it becomes showing; hidden first, the
    // same object can be shown again for the next step.
    hide();
    setAccessibleName(parts.join(u' '));
    show();
}

} // namespace ui
