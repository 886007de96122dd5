#include "ui/mainwindow/application_hint.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

namespace ui {

ApplicationHint::ApplicationHint(QObject* parent) : QObject(parent) {}

ApplicationHint::~ApplicationHint() {
    if (installed_ && qApp)
        qApp->removeEventFilter(this);
}

void ApplicationHint::install() {
    if (installed_ || !qApp)
        return;
    qApp->installEventFilter(this);
    installed_ = true;
}

void ApplicationHint::watchMenuBar(QMenuBar* menuBar) {
    if (!menuBar)
        return;
    // A heading counts only while the bar is in menu mode (a menu open, or keyboard
    // navigation); merely passing the pointer over the bar is pointing at the window.
    connect(menuBar, &QMenuBar::hovered, this, [this, menuBar](QAction* action) {
        if (!QApplication::activePopupWidget() && !menuBar->hasFocus())
            return;
        if (QMenu* menu = action->menu())
            setHint(menu->statusTip());
        else
            setHint(action->statusTip());
    });
    for (QAction* heading : menuBar->actions()) {
        if (QMenu* menu = heading->menu()) {
            watchMenu(menu);
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { setHint(menu->statusTip()); });
        }
    }
}

void ApplicationHint::watchMenu(QMenu* menu) {
    if (!menu)
        return;
    menus_.emplace_back(menu);
    connect(menu, &QMenu::hovered, this, [this](QAction* action) { setHint(action->statusTip()); });
    connect(menu, &QMenu::aboutToHide, this, &ApplicationHint::menuHidden);
}

QString ApplicationHint::hintOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
    }
    return {};
}

bool ApplicationHint::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            break;
        const QPointF global = event->type() == QEvent::MouseMove
                                   ? static_cast<QMouseEvent*>(event)->globalPosition()
                                   : static_cast<QEnterEvent*>(event)->globalPosition();
        pointerAt(widget, global.toPoint());
        break;
    }
    case QEvent::Leave: {
        // The pointer left a window of ours: whatever is under it once things settle decides.
        // A menu opening makes its window lose the pointer too; the menu then owns the hint.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow()) {
            QTimer::singleShot(0, this, [this] {
                if (!QApplication::activePopupWidget() && !anyMenuOpen())
                    setHint(hintOf(QApplication::widgetAt(QCursor::pos())));
            });
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void ApplicationHint::pointerAt(QWidget* receiver, const QPoint& globalPos) {
    // An open menu owns the hint until it closes.
    if (QApplication::activePopupWidget() || anyMenuOpen())
        return;
    QWidget* top = receiver->window();
    const QPoint local = top->mapFromGlobal(globalPos);
    QWidget* under = top->childAt(local);
    if (!under && top->rect().contains(local))
        under = top;
    setHint(hintOf(under));
}

void ApplicationHint::menuHidden() {
    // Moving from one heading to the next closes one menu and opens another; clear only
    // once the event loop has settled and no menu is left open.
    QTimer::singleShot(0, this, [this] {
        if (!anyMenuOpen())
            setHint(QString());
    });
}

bool ApplicationHint::anyMenuOpen() const {
    for (const auto& menu : menus_) {
        if (menu && menu->isVisible())
            return true;
    }
    return false;
}

void ApplicationHint::setHint(const QString& hint) {
    if (hint == hint_)
        return;
    hint_ = hint;
    emit hintChanged(hint_);
}

} // namespace ui
