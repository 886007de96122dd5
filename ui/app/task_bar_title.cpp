#include "ui/app/task_bar_title.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ui {

TaskBarTitle::TaskBarTitle(QWidget& window, const QString& title)
    : QObject(&window), window_(&window), title_(title) {
    window.installEventFilter(this);
    apply();
}

bool TaskBarTitle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::WindowTitleChange:
            // The widget passes its new title to the platform window after this event.
            QTimer::singleShot(0, this, &TaskBarTitle::apply);
            break;
        case QEvent::WinIdChange:
        case QEvent::Show:
            apply();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TaskBarTitle::apply() {
    // Only a platform window that exists: the one a closing window is losing must not be
    // made again, which would bring the closed window back and keep the game running.
    if (!window_ || window_->internalWinId() == 0)
        return;
    if (QWindow* handle = window_->windowHandle(); handle && handle->title() != title_)
        handle->setTitle(title_);
}

} // namespace ui
