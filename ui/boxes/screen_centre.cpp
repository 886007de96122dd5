#include "screen_centre.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

// The frame as the window system knows it now. The widget's own frame geometry is a copy
// taken at the window system's last move or resize of the window, which can come before the
// window manager has said how big its frame is, and is not taken again when it does.
QMargins frameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QSize outerSize(const QWidget& window) {
    return window.size().grownBy(frameOf(window));
}

QSize centreBy(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QMargins frame = frameOf(window);
    const QSize outer = window.size().grownBy(frame);
    if (!screen)
        return outer;
    const QRect area = screen->geometry();
    const QPoint outerTopLeft(area.x() + area.width() / 2 - outer.width() / 2,
                              area.y() + area.height() / 2 - outer.height() / 2);
    // Placed by its client area, so the widget's copy of the frame plays no part.
    window.setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window.size()));
    return outer;
}

// Centres the window once more when its outer size changes because the window manager has
// framed it; a move by the player leaves the size as it is and the window where it is put.
class RecentreWhenFramed final : public QObject {
public:
    RecentreWhenFramed(QWidget& window, QSize outer) : QObject(&window), outer_(outer) {
        setObjectName(QStringLiteral("RecentreWhenFramed"));
        window.installEventFilter(this);
    }
    void setOuter(QSize outer) { outer_ = outer; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        // The frame's arrival moves nothing in the client, so look whenever the window is
        // moved, resized, activated or about to be repainted.
        const QEvent::Type type = event->type();
        const bool look = type == QEvent::Move || type == QEvent::Resize ||
                          type == QEvent::WindowActivate || type == QEvent::UpdateRequest;
        if (look && window->isVisible() && outerSize(*window) != outer_)
            outer_ = centreBy(*window);
        return false;
    }

private:
    QSize outer_;
};

} // namespace

void CentreOnScreen(QWidget& window) {
    const QSize outer = centreBy(window);
    if (auto* watch = window.findChild<RecentreWhenFramed*>(QStringLiteral("RecentreWhenFramed"),
                                                            Qt::FindDirectChildrenOnly))
        watch->setOuter(outer);
    else
        new RecentreWhenFramed(window, outer);
}

void SetTransientFor(QWidget& window, const QWidget* over) {
    if (over == nullptr || !over->isVisible() || over->window() == &window)
        return;
    window.winId();
    QWindow* handle = window.windowHandle();
    QWindow* overHandle = over->window()->windowHandle();
    if (handle != nullptr && overHandle != nullptr)
        handle->setTransientParent(overHandle);
}

} // namespace ui
