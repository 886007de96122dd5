#include "platform/frame/window_frame.h"

#include "platform/frame/window_frame_private.h"

#include "platform/frame/classic_frame_painter.h"
#include "platform/frame/frame_events.h"
#include "platform/frame/frame_layout.h"
#include "platform/frame/keyboard_grab_watch.h"
#include "platform/frame/system_settings.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>
#include <QWhatsThis>
#include <QWindow>

#include <memory>

namespace platform {

void WindowFrame::Private::watchScreen() {
    QWindow* window = q->windowHandle();
    if (window == nullptr || window == watchedWindow) {
        return;
    }
    QObject::disconnect(screenChanged);
    watchedWindow = window;
    screenChanged = QObject::connect(window, &QWindow::screenChanged, q, [this](QScreen* screen) {
        watchScreenGeometry(screen);
        sendSettings(FrameSettingsEvent::Cause::Display);
    });
    watchScreenGeometry(window->screen());
}

void WindowFrame::Private::watchScreenGeometry(QScreen* screen) {
    QObject::disconnect(screenGeometry);
    watchedScreen = screen;
    if (screen != nullptr) {
        screenGeometry = QObject::connect(screen, &QScreen::geometryChanged, q, [this] {
            sendSettings(FrameSettingsEvent::Cause::Display);
        });
    }
}

void WindowFrame::Private::expectActivation() {
    // A window shown or restored while none of ours is active becomes the active one; it
    // paints active from its first frame rather than grey until the activation arrives.
    QWidget* active = QApplication::activeWindow();
    if (q->testAttribute(Qt::WA_ShowWithoutActivating) ||
        q->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus) || !q->isEnabled() ||
        (active != nullptr && active != q))
        return;
    if (!activeKnown || !lastActive) {
        FrameActivateEvent activate(true);
        QCoreApplication::sendEvent(q, &activate);
    }
    // Should the window system decide otherwise, the frame follows it.
    activationDue.start();
}

void WindowFrame::Private::revertSizeState() {
    revertingState = false;
    const Qt::WindowStates kept = q->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen);
    if (kept != q->windowState())
        q->setWindowState(kept);
    q->move(normalPos);
}

void WindowFrame::Private::showSystemMenu(QPoint globalPos) {
    auto* menu = new QMenu(q);
    menu->setObjectName(QStringLiteral("SystemMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFont(SystemSettings::instance().menuFont());
    // A minimised window needs the way back even where it stays on the screen.
    if ((icons & biMaximize) != 0 || q->isMinimized()) {
        QAction* restore = menu->addAction(QObject::tr("&Restore"), q, &QWidget::showNormal);
        restore->setEnabled(q->isMaximized() || q->isMinimized());
    }
    if ((icons & (biMinimize | biMaximize)) != 0) {
        QAction* minimize = menu->addAction(QObject::tr("Mi&nimize"), q, &QWidget::showMinimized);
        minimize->setEnabled((icons & biMinimize) != 0 && !q->isMinimized());
    }
    if ((icons & biMaximize) != 0) {
        QAction* maximize = menu->addAction(QObject::tr("Ma&ximize"), q, &QWidget::showMaximized);
        maximize->setEnabled(!q->isMaximized());
    }
    if (!menu->isEmpty()) {
        menu->addSeparator();
    }
    QAction* close = menu->addAction(QObject::tr("&Close\tAlt+F4"), q, &QWidget::close);
    menu->setDefaultAction(close);
    menu->popup(globalPos);
}

void WindowFrame::Private::styleMenuBar() const {
    QMenuBar* bar = menuBar;
    if (bar == nullptr) {
        return;
    }
    const SystemSettings& s = SystemSettings::instance();
    if (ownMenuFont) {
        bar->setFont(s.menuFont());
    }
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, s.sysColor(COLOR_MENU));
    palette.setColor(QPalette::Button, s.sysColor(COLOR_MENU));
    palette.setColor(QPalette::WindowText, s.sysColor(COLOR_MENUTEXT));
    palette.setColor(QPalette::ButtonText, s.sysColor(COLOR_MENUTEXT));
    palette.setColor(QPalette::Highlight, s.sysColor(COLOR_HIGHLIGHT));
    palette.setColor(QPalette::HighlightedText, s.sysColor(COLOR_HIGHLIGHTTEXT));
    bar->setPalette(palette);
    bar->setAutoFillBackground(true);
}

FrameLook WindowFrame::Private::look() const {
    const SystemSettings& s = SystemSettings::instance();
    FrameLook look;
    look.active = f->isFrameActive();
    look.maximized = q->isMaximized();
    look.title = q->windowTitle();
    look.captionFont = s.captionQFont();
    const QSize iconSize(s.metric(Metric::CxSmIcon), s.metric(Metric::CySmIcon));
    QIcon icon = q->windowIcon();
    if (icon.isNull()) {
        icon = q->style()->standardIcon(QStyle::SP_TitleBarMenuButton, nullptr, q);
    }
    if (!icon.isNull() && !iconSize.isEmpty()) {
        look.icon = icon.pixmap(iconSize);
    }
    if (pressedInside) {
        look.pushedButton = pressedButton;
    }
    return look;
}

WindowFrame::WindowFrame(QWidget& window) : QObject(&window), d(new Private(this, window)) {
    setObjectName(QStringLiteral("WindowFrame"));
    // Qt drops the frameless hint from a window that customises its title bar (and a Wayland
    // client then draws its own title bar over ours): the frame's caption is all there is.
    const Qt::WindowFlags flags =
        (window.windowFlags() & ~Qt::CustomizeWindowHint) | Qt::FramelessWindowHint;
    if (flags != window.windowFlags())
        window.setWindowFlags(flags);
    d->client = new QWidget(&window);
    d->client->setObjectName(QStringLiteral("ClientArea"));
    d->client->setAutoFillBackground(true);
    // Without a cursor of its own the client would show the frame's sizing cursors.
    d->client->setCursor(Qt::ArrowCursor);
    window.setMouseTracking(true);
    // The keyboard way into the system menu.
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &window);
    connect(systemMenuKey, &QShortcut::activated, this, [this] {
        if ((d->icons & biSystemMenu) != 0 && d->style != BorderStyle::bsNone) {
            const QRect line = frameLayout().captionLineRect();
            d->showSystemMenu(d->q->mapToGlobal(QPoint(line.left(), line.top() + line.height())));
        }
    });
    // With no window manager (or a compositor that leaves it to the program) nobody else
    // turns Alt+F4 into a close request.
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &window);
    connect(closeKey, &QShortcut::activated, this, [this] {
        if ((d->icons & biSystemMenu) != 0)
            d->q->close();
    });
    d->activationDue.setSingleShot(true);
    d->activationDue.setInterval(1000);
    connect(&d->activationDue, &QTimer::timeout, this, [this] {
        if (!d->q->isActiveWindow() && d->lastActive) {
            FrameActivateEvent deactivate(false);
            QCoreApplication::sendEvent(d->q, &deactivate);
        }
    });
    d->grabWatch = std::make_unique<KeyboardGrabWatch>(window, [this] {
        if (d->lastActive) {
            FrameActivateEvent deactivate(false);
            QCoreApplication::sendEvent(d->q, &deactivate);
        }
    });
    // The first filter on the window, so every hook installed later sees a message first.
    window.installEventFilter(this);
    relayout();
}

WindowFrame::~WindowFrame() {
    QObject::disconnect(d->screenChanged);
    QObject::disconnect(d->screenGeometry);
    delete d;
}

WindowFrame* WindowFrame::of(const QWidget* window) {
    return window != nullptr ? window->findChild<WindowFrame*>(QStringLiteral("WindowFrame"),
                                                               Qt::FindDirectChildrenOnly)
                             : nullptr;
}

QWidget& WindowFrame::window() const {
    return *d->q;
}

BorderStyle WindowFrame::borderStyle() const {
    return d->style;
}

void WindowFrame::setBorderStyle(BorderStyle style) {
    if (style == d->style) {
        return;
    }
    d->style = style;
    relayout();
    d->q->update();
}

int WindowFrame::borderIcons() const {
    return d->icons;
}

void WindowFrame::setBorderIcons(int icons) {
    icons &= biSystemMenu | biMinimize | biMaximize | biHelp;
    if (icons == d->icons) {
        return;
    }
    d->icons = icons;
    relayout();
    d->q->update();
}

QWidget* WindowFrame::clientArea() const {
    return d->client;
}

void WindowFrame::setMenuBar(QMenuBar* menuBar) {
    if (menuBar == d->menuBar) {
        return;
    }
    if (d->menuBar) {
        d->menuBar->removeEventFilter(this);
        d->menuBar->hide();
        d->menuBar->deleteLater();
    }
    d->menuBar = menuBar;
    if (menuBar != nullptr) {
        menuBar->setParent(d->q);
        menuBar->setNativeMenuBar(false);
        d->ownMenuFont = !menuBar->testAttribute(Qt::WA_SetFont);
        d->styleMenuBar();
        menuBar->setCursor(Qt::ArrowCursor);
        menuBar->installEventFilter(this);
        menuBar->show();
    }
    relayout();
    d->q->update();
}

QMenuBar* WindowFrame::menuBar() const {
    return d->menuBar;
}

void WindowFrame::setClientSize(const QSize& clientSize) {
    const QSize outer = FrameLayout::outerSizeForClient(clientSize, d->style, d->hasMenuBar());
    if (d->sizeFixed)
        d->q->setFixedSize(outer);
    else
        d->q->resize(outer);
    // A hidden window gets its resize event only when shown; lay out now all the same.
    relayout();
}

FrameLayout WindowFrame::frameLayout() const {
    return FrameLayout(d->q->size(), d->style, d->icons, d->hasMenuBar());
}

QRegion WindowFrame::frameRegion() const {
    const FrameLayout layout = frameLayout();
    QRegion region(d->q->rect());
    region -= layout.clientRect();
    region -= layout.menuBarRect();
    return region;
}

bool WindowFrame::isFrameActive() const {
    return d->activeKnown ? d->lastActive : d->q->isActiveWindow();
}

bool WindowFrame::isSizeFixed() const {
    return d->sizeFixed;
}

void WindowFrame::setSizeFixed(bool fixed) {
    if (fixed == d->sizeFixed)
        return;
    d->sizeFixed = fixed;
    if (!fixed)
        d->q->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    relayout();
}

bool WindowFrame::isIconified() const {
    const QWindow* window = d->q->windowHandle();
    return d->q->isMinimized() && (window == nullptr || !window->isExposed());
}

void WindowFrame::redrawFrame() {
    // A repaint from inside a paint would recurse; the frame is drawn again right after.
    if (d->painting) {
        d->q->update(frameRegion());
        return;
    }
    d->q->repaint(frameRegion());
}

void WindowFrame::relayout() {
    const FrameLayout layout = frameLayout();
    d->client->setGeometry(layout.clientRect());
    if (d->menuBar) {
        d->menuBar->setGeometry(layout.menuBarRect());
    }
    if (d->sizeFixed)
        d->q->setFixedSize(d->q->size());
    else
        d->q->setMinimumSize(layout.minimumOuterSize());
}

void WindowFrame::paintStandardFrame(QPainter& painter, const QRegion& region) const {
    if (region.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRegion(region);
    ClassicFramePainter(SystemSettings::instance()).paint(painter, frameLayout(), d->look());
    painter.restore();
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == d->menuBar) {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
            relayout();
            d->q->update();
        }
        return false;
    }
    if (watched != d->q)
        return false;
    QWidget* q = d->q;
    switch (static_cast<int>(event->type())) {
    // The end of the hook chain: the standard handling of the three frame messages.
    case FramePaintEventType: {
        auto* paint = static_cast<FramePaintEvent*>(event);
        paintStandardFrame(paint->painter(), paint->region());
        return true;
    }
    case FrameActivateEventType:
        d->lastActive = static_cast<FrameActivateEvent*>(event)->active();
        d->activeKnown = true;
        redrawFrame();
        return true;
    case FrameSettingsEventType:
        d->styleMenuBar();
        relayout();
        redrawFrame();
        return true;
    case QEvent::Paint: {
        const QRegion region = frameRegion() & static_cast<QPaintEvent*>(event)->region();
        if (!region.isEmpty()) {
            QPainter painter(q);
            FramePaintEvent paint(painter, region);
            d->painting = true;
            QCoreApplication::sendEvent(q, &paint);
            d->painting = false;
        }
        return false;
    }
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: {
        const bool active = event->type() == QEvent::WindowActivate;
        d->activationDue.stop();
        // A window manager's keyboard grab while it moves the window is no deactivation.
        if (active || !d->grabWatch->grabbedAway()) {
            FrameActivateEvent activate(active);
            QCoreApplication::sendEvent(q, &activate);
        }
        return false;
    }
    case QEvent::PaletteChange:
        d->sendSettings(FrameSettingsEvent::Cause::Colors);
        return false;
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        d->sendSettings(FrameSettingsEvent::Cause::Settings);
        return false;
    case QEvent::WindowStateChange: {
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if (d->sizeFixed && !d->revertingState &&
            (q->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
            // Once the window system has done what it does with the request, undo it.
            d->revertingState = true;
            QTimer::singleShot(0, this, [this] { d->revertSizeState(); });
        }
        if ((old & Qt::WindowMinimized) != 0 && !q->isMinimized() && q->isVisible())
            d->expectActivation();
        q->update(frameRegion());
        return false;
    }
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        q->update(frameRegion());
        return false;
    case QEvent::Show:
        d->watchScreen();
        d->expectActivation();
        return false;
    case QEvent::Resize:
        relayout();
        return false;
    case QEvent::Move:
        if (!d->revertingState && (q->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen |
                                                       Qt::WindowMinimized)) == 0)
            d->normalPos = q->pos();
        return false;
    case QEvent::Leave:
        if (d->drag == Drag::None)
            q->unsetCursor();
        return false;
    case QEvent::MouseButtonPress:
        return d->press(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return d->pointerMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return d->release(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
        return d->doubleClick(static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

} // namespace platform
