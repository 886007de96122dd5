#pragma once

// What the frame keeps about its window, shared by the files that implement WindowFrame.

#include "platform/frame/classic_frame_painter.h"
#include "platform/frame/frame_events.h"
#include "platform/frame/frame_layout.h"
#include "platform/frame/keyboard_grab_watch.h"
#include "platform/frame/window_frame.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>

class QMouseEvent;

namespace platform {

enum class Drag { None, Move, Resize };

struct WindowFrame::Private {
    Private(WindowFrame* frame, QWidget& window) : f(frame), q(&window) {}

    WindowFrame* f;
    QWidget* q;
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
    // The mouse on the window itself, that is on its frame; true when the frame took it.
    bool press(QMouseEvent* event);
    bool pointerMove(QMouseEvent* event);
    bool release(QMouseEvent* event);
    bool doubleClick(QMouseEvent* event);
};

} // namespace platform
