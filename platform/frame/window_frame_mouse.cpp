#include "platform/frame/window_frame_private.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWhatsThis>

namespace platform {

namespace {

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

void WindowFrame::Private::startDrag(FrameArea area) {
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

void WindowFrame::Private::trigger(FrameArea button) {
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

bool WindowFrame::Private::press(QMouseEvent* event) {
    const FrameLayout layout = f->frameLayout();
    const QPoint pos = event->position().toPoint();
    const FrameArea area = layout.hitTest(pos);
    if (event->button() == Qt::RightButton &&
        (area == FrameArea::Caption || area == FrameArea::SystemMenu)) {
        showSystemMenu(event->globalPosition().toPoint());
        return true;
    }
    if (event->button() != Qt::LeftButton)
        return false;
    if (area == FrameArea::SystemMenu) {
        const QRect line = layout.captionLineRect();
        showSystemMenu(q->mapToGlobal(QPoint(line.left(), line.top() + line.height())));
        return true;
    }
    if (isCaptionButton(area)) {
        if (layout.isButtonEnabled(area)) {
            pressedButton = area;
            pressedInside = true;
            q->repaint(layout.buttonRect(area));
        }
        return true;
    }
    const bool moves = area == FrameArea::Caption && !q->isMaximized();
    const bool sizes = isSizingArea(area) && !q->isMaximized();
    pendingDrag = moves || sizes ? area : FrameArea::Nowhere;
    dragEdge = area;
    dragStartGlobal = event->globalPosition().toPoint();
    dragStartGeometry = q->geometry();
    return true;
}

bool WindowFrame::Private::pointerMove(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QPoint delta = event->globalPosition().toPoint() - dragStartGlobal;
    if (pendingDrag != FrameArea::Nowhere) {
        if ((event->buttons() & Qt::LeftButton) == 0) {
            pendingDrag = FrameArea::Nowhere;
        } else if (delta.manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
            const FrameArea area = pendingDrag;
            pendingDrag = FrameArea::Nowhere;
            startDrag(area);
        } else {
            return true;
        }
    }
    switch (drag) {
    case Drag::Move:
        q->move(dragStartGeometry.topLeft() + delta);
        return true;
    case Drag::Resize:
        q->setGeometry(resizedGeometry(dragStartGeometry, dragEdge, delta, q->minimumSize()));
        return true;
    case Drag::None:
        break;
    }
    if (pressedButton != FrameArea::Nowhere) {
        const QRect face = f->frameLayout().buttonRect(pressedButton);
        const bool inside = face.contains(pos);
        if (inside != pressedInside) {
            pressedInside = inside;
            q->repaint(face);
        }
        return true;
    }
    const FrameArea area = f->frameLayout().hitTest(pos);
    q->setCursor(cursorFor(q->isMaximized() ? FrameArea::Nowhere : area));
    return false;
}

bool WindowFrame::Private::release(QMouseEvent* event) {
    drag = Drag::None;
    pendingDrag = FrameArea::Nowhere;
    if (event->button() != Qt::LeftButton || pressedButton == FrameArea::Nowhere)
        return false;
    const FrameArea button = pressedButton;
    const bool inside = pressedInside;
    pressedButton = FrameArea::Nowhere;
    pressedInside = false;
    q->repaint(f->frameLayout().buttonRect(button));
    if (inside)
        trigger(button);
    return true;
}

bool WindowFrame::Private::doubleClick(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return true;
    const FrameArea area = f->frameLayout().hitTest(event->position().toPoint());
    if (area == FrameArea::SystemMenu) {
        q->close();
    } else if (area == FrameArea::Caption && (icons & biMaximize) != 0) {
        trigger(FrameArea::MaximizeButton);
    } else if (isCaptionButton(area)) {
        // The second press of a quick double click on a button counts as a press.
        press(event);
    }
    return true;
}

} // namespace platform
