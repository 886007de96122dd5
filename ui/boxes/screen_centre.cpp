#include "screen_centre.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

QSize centreBy(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize outer = window.frameGeometry().size();
    if (!screen)
        return outer;
    const QRect area = screen->geometry();
    window.move(area.x() + area.width() / 2 - outer.width() / 2,
                area.y() + area.height() / 2 - outer.height() / 2);
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
        if (look && window->isVisible() && window->frameGeometry().size() != outer_) {
            outer_ = centreBy(*window);
        }
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
