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

// Centres the window by its outer rectangle and returns the frame that was used.
QMargins centreBy(QWidget& window) {
    const QMargins frame = frameOf(window);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return frame;
    const QSize outer = window.size().grownBy(frame);
    const QRect area = screen->geometry();
    const QPoint outerTopLeft(area.x() + area.width() / 2 - outer.width() / 2,
                              area.y() + area.height() / 2 - outer.height() / 2);
    // Placed by its client area, so the widget's copy of the frame plays no part.
    window.setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window.size()));
    return frame;
}

// Centres the window once more whenever the frame round it turns out other than the one it
// was centred by. Not only its size counts: while a window manager frames a window, the
// client can stand in the frame's corner for a moment, and the frame then reads as all
// right and bottom edge; centred by that, the client would take the frame's place. A move
// by the player leaves the frame as it is and the window where it is put.
class RecentreWhenFramed final : public QObject {
public:
    RecentreWhenFramed(QWidget& window, QMargins frame) : QObject(&window), frame_(frame) {
        setObjectName(QStringLiteral("RecentreWhenFramed"));
        window.installEventFilter(this);
    }
    void setFrame(QMargins frame) { frame_ = frame; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        // The frame's arrival moves nothing in the client, so look whenever the window is
        // moved, resized, activated or about to be repainted.
        const QEvent::Type type = event->type();
        const bool look = type == QEvent::Move || type == QEvent::Resize ||
                          type == QEvent::WindowActivate || type == QEvent::UpdateRequest;
        if (look && window->isVisible() && frameOf(*window) != frame_)
            frame_ = centreBy(*window);
        return false;
    }

private:
    QMargins frame_;
};

} // namespace

void CentreOnScreen(QWidget& window) {
    // Under Wayland a client has no say in where its windows stand: the compositor places
    // them, by the transient parent where it minds it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QMargins frame = centreBy(window);
    if (auto* watch = window.findChild<RecentreWhenFramed*>(QStringLiteral("RecentreWhenFramed"),
                                                            Qt::FindDirectChildrenOnly))
        watch->setFrame(frame);
    else
        new RecentreWhenFramed(window, frame);
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
