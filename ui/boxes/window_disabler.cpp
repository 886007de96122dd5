#include "window_disabler.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace ui {

namespace {

// The window the last box handed the activation back to. The window system activates it a
// little later; a box opened before then (the error box right after the bet prompt) finds no
// active window and must hand the activation on to this one.
QPointer<QWidget>& handedBack() {
    static QPointer<QWidget> window;
    return window;
}

// A menu may hold the activation while its command opens a box, but it closes at once: the
// keyboard goes back to the window the menu belongs to.
QWidget* ownerOfPopups(QWidget* window) {
    while (window && window->windowType() == Qt::Popup)
        window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    return window;
}

// Passes the activation of a blocked window on to the box that blocks it.
class HandActivationOn final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            auto* window = static_cast<QWidget*>(watched);
            if (!window->isEnabled())
                QTimer::singleShot(0, this, [] {
                    QWidget* box = QApplication::activeModalWidget();
                    if (box == nullptr)
                        return;
                    if (box->isMinimized() || box->isHidden())
                        box->showNormal();
                    box->raise();
                    box->activateWindow();
                });
        }
        return false;
    }
};

QWidget* windowToReactivate() {
    // The toolkit learns of a window's deactivation a little after it is hidden (the guide
    // just closed, say): a hidden window is no place to return to.
    if (QWidget* active = ownerOfPopups(QApplication::activeWindow());
        active && active->isVisible())
        return active;
    QWidget* pending = handedBack();
    return pending && pending->isVisible() ? pending : nullptr;
}

} // namespace

WindowDisabler::WindowDisabler() : active_(windowToReactivate()) {
    try {
        const QWidgetList windows = QApplication::topLevelWidgets();
        disabled_.reserve(static_cast<std::size_t>(windows.size()));
        for (QWidget* window : windows) {
            if (window->windowType() == Qt::Desktop || !window->isVisible() || !window->isEnabled())
                continue;
            disabled_.push_back({window, window->focusWidget()});
            window->setEnabled(false);
        }
        handOn_ = new HandActivationOn;
        for (const Disabled& entry : disabled_)
            entry.window->installEventFilter(handOn_);
        // Nothing active and nothing handed back yet: the game's first box, opened while the
        // activation is between windows. The keyboard goes back to the window it blocked.
        if (!active_) {
            const auto blocked =
                std::find_if(disabled_.begin(), disabled_.end(),
                             [](const auto& e) { return e.window->windowType() != Qt::Popup; });
            if (blocked != disabled_.end())
                active_ = blocked->window;
        }
    } catch (...) {
        restore();
        throw;
    }
}

WindowDisabler::~WindowDisabler() {
    restore();
}

void WindowDisabler::restore() {
    // Deleting the filter takes it off every window it watches.
    delete handOn_;
    handOn_ = nullptr;
    for (const Disabled& entry : disabled_) {
        if (!entry.window)
            continue;
        entry.window->setEnabled(true);
        // Disabling took the focus away from the window's controls; give it back.
        if (entry.focus && entry.focus->window() == entry.window && entry.focus->isEnabled())
            entry.focus->setFocus(Qt::OtherFocusReason);
    }
    disabled_.clear();
    if (active_ && active_->isVisible() && active_->isEnabled()) {
        active_->activateWindow();
        handedBack() = active_;
    }
}

} // namespace ui
