#include "platform/frame/framed_window.h"

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

namespace {

enum class Drag { None, Move, Resize };

Qt::Edges edgesFor(FrameArea area) {
    switch (area) {
    case FrameArea::Left:
        return Qt::LeftEdge;
    case FrameArea::Right:
        return Qt::RightEdge;
    case FrameArea::Top:
        return Qt::TopEdge;
    case FrameArea::Bottom:
        return Qt::BottomEdge;
    case FrameArea::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameArea::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameArea::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameArea::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape cursorFor(FrameArea area) {
    switch (area) {
    case FrameArea::Left:
    case FrameArea::Right:
        return Qt::SizeHorCursor;
    case FrameArea::Top:
    case FrameArea::Bottom:
        return Qt::SizeVerCursor;
    case FrameArea::TopLeft:
    case FrameArea::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameArea::TopRight:
    case FrameArea::BottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

struct FramedWindow::Private {
    explicit Private(FramedWindow* window) : q(window) {}

    FramedWindow* q;
    BorderStyle style = BorderStyle::bsSizeable;
    int icons = biSystemMenu | biMinimize | biMaximize;
    QWidget* client = nullptr;
    QPointer<QMenuBar> menuBar;

    bool ownMenuFont = false; // the menu bar got its font from us and follows the settings
    bool activeKnown = false;
    bool lastActive = false;
    bool painting = false;

    // A caption button held down: drawn pushed while the pointer stays on it.
    FrameArea pressedButton = FrameArea::Nowhere;
    bool pressedInside = false;

    // A press on the caption or an edge that becomes a move or a resize once the pointer
    // has gone the desktop's drag distance with the button held. Handing the move to the
    // window manager on the press itself would leave the window glued to the pointer after
    // a tap whose release arrives before the window manager has taken the pointer.
    FrameArea pendingDrag = FrameArea::Nowhere;

    // Moving or sizing by hand when the window system does not do it for us.
    Drag drag = Drag::None;
    FrameArea dragEdge = FrameArea::Nowhere;
    QPoint dragStartGlobal;
    QRect dragStartGeometry;

    bool sizeFixed = false;
    // Where the window stood with no maximised or fullscreen state, to go back there.
    QPoint normalPos;
    bool revertingState = false;

    // Activation foreseen when the window is shown or restored, until the real one comes.
    QTimer activationDue;
    std::unique_ptr<KeyboardGrabWatch> grabWatch;

    QPointer<QWindow> watchedWindow;
    QPointer<QScreen> watchedScreen;
    QMetaObject::Connection screenChanged;
    QMetaObject::Connection screenGeometry;

    bool hasMenuBar() const { return menuBar && !menuBar->isHidden(); }

    void sendSettings(FrameSettingsEvent::Cause cause) {
        FrameSettingsEvent event(cause);
        QCoreApplication::sendEvent(q, &event);
    }

    void watchScreen();
    void expectActivation();
    void startDrag(FrameArea area);
    void revertSizeState();
    void watchScreenGeometry(QScreen* screen);
    void showSystemMenu(QPoint globalPos);
    void trigger(FrameArea button);
    void styleMenuBar() const;
    FrameLook look() const;
};

void FramedWindow::Private::watchScreen() {
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

void FramedWindow::Private::watchScreenGeometry(QScreen* screen) {
    QObject::disconnect(screenGeometry);
    watchedScreen = screen;
    if (screen != nullptr) {
        screenGeometry = QObject::connect(screen, &QScreen::geometryChanged, q, [this] {
            sendSettings(FrameSettingsEvent::Cause::Display);
        });
    }
}

void FramedWindow::Private::expectActivation() {
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

void FramedWindow::Private::startDrag(FrameArea area) {
    QWindow* window = q->windowHandle();
    // A window manager that takes over moves the window from where the pointer is now, so
    // the window stays behind the pointer by the drag distance; moving it here first would
    // race with the window manager's own idea of where the window is.
    if (area == FrameArea::Caption) {
        if (window == nullptr || !window->startSystemMove())
            drag = Drag::Move;
    } else if (window == nullptr || !window->startSystemResize(edgesFor(area))) {
        drag = Drag::Resize;
    }
}

void FramedWindow::Private::revertSizeState() {
    revertingState = false;
    const Qt::WindowStates kept = q->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen);
    if (kept != q->windowState())
        q->setWindowState(kept);
    q->move(normalPos);
}

void FramedWindow::Private::showSystemMenu(QPoint globalPos) {
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

void FramedWindow::Private::trigger(FrameArea button) {
    switch (button) {
    case FrameArea::MinimizeButton:
        q->showMinimized();
        break;
    case FrameArea::MaximizeButton:
        if (q->isMaximized()) {
            q->showNormal();
        } else {
            q->showMaximized();
        }
        break;
    case FrameArea::CloseButton:
        q->close();
        break;
    case FrameArea::HelpButton:
        QWhatsThis::enterWhatsThisMode();
        break;
    default:
        break;
    }
}

void FramedWindow::Private::styleMenuBar() const {
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

FrameLook FramedWindow::Private::look() const {
    const SystemSettings& s = SystemSettings::instance();
    FrameLook look;
    look.active = q->isFrameActive();
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

FramedWindow::FramedWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), d(new Private(this)) {
    d->client = new QWidget(this);
    d->client->setObjectName(QStringLiteral("ClientArea"));
    d->client->setAutoFillBackground(true);
    // Without a cursor of its own the client would show the frame's sizing cursors.
    d->client->setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    // The keyboard way into the system menu.
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenuKey, &QShortcut::activated, this, [this] {
        if ((d->icons & biSystemMenu) != 0 && d->style != BorderStyle::bsNone) {
            const QRect line = frameLayout().captionLineRect();
            d->showSystemMenu(mapToGlobal(QPoint(line.left(), line.top() + line.height())));
        }
    });
    // With no window manager nobody else turns Alt+F4 into a close request.
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(closeKey, &QShortcut::activated, this, [this] {
        if ((d->icons & biSystemMenu) != 0)
            close();
    });
    d->activationDue.setSingleShot(true);
    d->activationDue.setInterval(1000);
    connect(&d->activationDue, &QTimer::timeout, this, [this] {
        if (!isActiveWindow() && d->lastActive) {
            FrameActivateEvent deactivate(false);
            QCoreApplication::sendEvent(this, &deactivate);
        }
    });
    d->grabWatch = std::make_unique<KeyboardGrabWatch>(*this, [this] {
        if (d->lastActive) {
            FrameActivateEvent deactivate(false);
            QCoreApplication::sendEvent(this, &deactivate);
        }
    });
    relayout();
}

FramedWindow::~FramedWindow() {
    QObject::disconnect(d->screenChanged);
    QObject::disconnect(d->screenGeometry);
    delete d;
}

BorderStyle FramedWindow::borderStyle() const {
    return d->style;
}

void FramedWindow::setBorderStyle(BorderStyle style) {
    if (style == d->style) {
        return;
    }
    d->style = style;
    relayout();
    update();
}

int FramedWindow::borderIcons() const {
    return d->icons;
}

void FramedWindow::setBorderIcons(int icons) {
    icons &= biSystemMenu | biMinimize | biMaximize | biHelp;
    if (icons == d->icons) {
        return;
    }
    d->icons = icons;
    relayout();
    update();
}

QWidget* FramedWindow::clientArea() const {
    return d->client;
}

void FramedWindow::setMenuBar(QMenuBar* menuBar) {
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
        menuBar->setParent(this);
        menuBar->setNativeMenuBar(false);
        d->ownMenuFont = !menuBar->testAttribute(Qt::WA_SetFont);
        d->styleMenuBar();
        menuBar->setCursor(Qt::ArrowCursor);
        menuBar->installEventFilter(this);
        menuBar->show();
    }
    relayout();
    update();
}

QMenuBar* FramedWindow::menuBar() const {
    return d->menuBar;
}

void FramedWindow::setClientSize(const QSize& clientSize) {
    const QSize outer = FrameLayout::outerSizeForClient(clientSize, d->style, d->hasMenuBar());
    if (d->sizeFixed)
        setFixedSize(outer);
    else
        resize(outer);
    // A hidden window gets its resize event only when shown; lay out now all the same.
    relayout();
}

FrameLayout FramedWindow::frameLayout() const {
    return FrameLayout(size(), d->style, d->icons, d->hasMenuBar());
}

QRegion FramedWindow::frameRegion() const {
    const FrameLayout layout = frameLayout();
    QRegion region(rect());
    region -= layout.clientRect();
    region -= layout.menuBarRect();
    return region;
}

bool FramedWindow::isFrameActive() const {
    return d->activeKnown ? d->lastActive : isActiveWindow();
}

bool FramedWindow::isSizeFixed() const {
    return d->sizeFixed;
}

void FramedWindow::setSizeFixed(bool fixed) {
    if (fixed == d->sizeFixed)
        return;
    d->sizeFixed = fixed;
    if (!fixed)
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    relayout();
}

bool FramedWindow::isIconified() const {
    const QWindow* window = windowHandle();
    return isMinimized() && (window == nullptr || !window->isExposed());
}

void FramedWindow::redrawFrame() {
    // A repaint from inside a paint would recurse; the frame is drawn again right after.
    if (d->painting) {
        update(frameRegion());
        return;
    }
    repaint(frameRegion());
}

void FramedWindow::relayout() {
    const FrameLayout layout = frameLayout();
    d->client->setGeometry(layout.clientRect());
    if (d->menuBar) {
        d->menuBar->setGeometry(layout.menuBarRect());
    }
    if (d->sizeFixed)
        setFixedSize(size());
    else
        setMinimumSize(layout.minimumOuterSize());
}

bool FramedWindow::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
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
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: {
        const bool handled = QWidget::event(event);
        const bool active = event->type() == QEvent::WindowActivate;
        d->activationDue.stop();
        // A window manager's keyboard grab while it moves the window is no deactivation.
        if (active || !d->grabWatch->grabbedAway()) {
            FrameActivateEvent activate(active);
            QCoreApplication::sendEvent(this, &activate);
        }
        return handled;
    }
    case QEvent::PaletteChange: {
        const bool handled = QWidget::event(event);
        d->sendSettings(FrameSettingsEvent::Cause::Colors);
        return handled;
    }
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange: {
        const bool handled = QWidget::event(event);
        d->sendSettings(FrameSettingsEvent::Cause::Settings);
        return handled;
    }
    case QEvent::WindowStateChange: {
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if (d->sizeFixed && !d->revertingState &&
            (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
            // Once the window system has done what it does with the request, undo it.
            d->revertingState = true;
            QTimer::singleShot(0, this, [this] { d->revertSizeState(); });
        }
        if ((old & Qt::WindowMinimized) != 0 && !isMinimized() && isVisible())
            d->expectActivation();
        update(frameRegion());
        break;
    }
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        update(frameRegion());
        break;
    case QEvent::Show:
        d->watchScreen();
        d->expectActivation();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool FramedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == d->menuBar &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        relayout();
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void FramedWindow::paintEvent(QPaintEvent* event) {
    const QRegion region = frameRegion() & event->region();
    if (region.isEmpty()) {
        return;
    }
    QPainter painter(this);
    FramePaintEvent paint(painter, region);
    d->painting = true;
    QCoreApplication::sendEvent(this, &paint);
    d->painting = false;
}

void FramedWindow::paintStandardFrame(QPainter& painter, const QRegion& region) {
    if (region.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRegion(region);
    ClassicFramePainter(SystemSettings::instance()).paint(painter, frameLayout(), d->look());
    painter.restore();
}

void FramedWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void FramedWindow::mousePressEvent(QMouseEvent* event) {
    const FrameLayout layout = frameLayout();
    const QPoint pos = event->position().toPoint();
    const FrameArea area = layout.hitTest(pos);
    if (event->button() == Qt::RightButton &&
        (area == FrameArea::Caption || area == FrameArea::SystemMenu)) {
        d->showSystemMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (area == FrameArea::SystemMenu) {
        const QRect line = layout.captionLineRect();
        d->showSystemMenu(mapToGlobal(QPoint(line.left(), line.top() + line.height())));
        return;
    }
    if (isCaptionButton(area)) {
        if (layout.isButtonEnabled(area)) {
            d->pressedButton = area;
            d->pressedInside = true;
            repaint(layout.buttonRect(area));
        }
        return;
    }
    const bool moves = area == FrameArea::Caption && !isMaximized();
    const bool sizes = isSizingArea(area) && !isMaximized();
    d->pendingDrag = moves || sizes ? area : FrameArea::Nowhere;
    d->dragEdge = area;
    d->dragStartGlobal = event->globalPosition().toPoint();
    d->dragStartGeometry = geometry();
}

void FramedWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QPoint delta = event->globalPosition().toPoint() - d->dragStartGlobal;
    if (d->pendingDrag != FrameArea::Nowhere) {
        if ((event->buttons() & Qt::LeftButton) == 0) {
            d->pendingDrag = FrameArea::Nowhere;
        } else if (delta.manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
            const FrameArea area = d->pendingDrag;
            d->pendingDrag = FrameArea::Nowhere;
            d->startDrag(area);
        } else {
            return;
        }
    }
    switch (d->drag) {
    case Drag::Move:
        move(d->dragStartGeometry.topLeft() + delta);
        return;
    case Drag::Resize:
        setGeometry(resizedGeometry(d->dragStartGeometry, d->dragEdge, delta, minimumSize()));
        return;
    case Drag::None:
        break;
    }
    if (d->pressedButton != FrameArea::Nowhere) {
        const QRect face = frameLayout().buttonRect(d->pressedButton);
        const bool inside = face.contains(pos);
        if (inside != d->pressedInside) {
            d->pressedInside = inside;
            repaint(face);
        }
        return;
    }
    const FrameArea area = frameLayout().hitTest(pos);
    setCursor(cursorFor(isMaximized() ? FrameArea::Nowhere : area));
}

void FramedWindow::mouseReleaseEvent(QMouseEvent* event) {
    d->drag = Drag::None;
    d->pendingDrag = FrameArea::Nowhere;
    if (event->button() != Qt::LeftButton || d->pressedButton == FrameArea::Nowhere) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const FrameArea button = d->pressedButton;
    const bool inside = d->pressedInside;
    d->pressedButton = FrameArea::Nowhere;
    d->pressedInside = false;
    repaint(frameLayout().buttonRect(button));
    if (inside) {
        d->trigger(button);
    }
}

void FramedWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const FrameArea area = frameLayout().hitTest(event->position().toPoint());
    if (area == FrameArea::SystemMenu) {
        close();
    } else if (area == FrameArea::Caption && (d->icons & biMaximize) != 0) {
        d->trigger(FrameArea::MaximizeButton);
    } else if (isCaptionButton(area)) {
        // The second press of a quick double click on a button counts as a press.
        mousePressEvent(event);
    }
}

void FramedWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!d->revertingState &&
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) == 0)
        d->normalPos = pos();
}

void FramedWindow::leaveEvent(QEvent* event) {
    if (d->drag == Drag::None) {
        unsetCursor();
    }
    QWidget::leaveEvent(event);
}

} // namespace platform
