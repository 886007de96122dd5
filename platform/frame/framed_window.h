#pragma once

#include "platform/frame/border_style.h"

#include <QRegion>
#include <QSize>
#include <QWidget>

class QMenuBar;

namespace platform {

class FrameLayout;
class WindowFrame;

// A frameless top-level window in the classic frame of window_frame.h: sizing border, caption
// with small icon, title and caption buttons, and the menu bar below it. The frame is
// painted through the hook chain of frame_events.h; the last link is the frame's standard
// painting.
class FramedWindow : public QWidget {
    Q_OBJECT
public:
    explicit FramedWindow(QWidget* parent = nullptr);
    ~FramedWindow() override;

    // The frame itself, for what the calls below do not cover.
    WindowFrame& frame() const { return *frame_; }

    // Changing the border style or icons keeps the outer size; the client area adapts.
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle style);
    int borderIcons() const; // BorderIcon flags
    void setBorderIcons(int icons);

    // The widget that holds the window's controls, below the caption and the menu bar.
    QWidget* clientArea() const;
    // The window takes the menu bar over and deletes the previous one (later, as it may be
    // busy); nullptr removes it. The outer size stays, so set the menu bar before the
    // client size.
    void setMenuBar(QMenuBar* menuBar);
    QMenuBar* menuBar() const;

    // Gives the window the outer size that makes its client area this big. (A hidden window
    // resized by resize() lays its parts out when it is shown; this one lays them out now.)
    void setClientSize(const QSize& clientSize);
    // Where the frame parts lie at the current size (include frame_layout.h to use it).
    FrameLayout frameLayout() const;
    // What the frame paints: the window less the client area and the menu bar.
    QRegion frameRegion() const;

    // Whether the frame shows the active state, as the last activation message said.
    bool isFrameActive() const;

    // A fixed size is told to the window manager (equal minimum and maximum size), so it
    // offers no maximise or fullscreen; such a request that comes anyway leaves position
    // and size as they were. setClientSize() still sets the size.
    bool isSizeFixed() const;
    void setSizeFixed(bool fixed);

    // Minimised and really taken off the screen. Where nothing can iconify (an X server
    // without a window manager) a minimised window stays on the screen with its normal frame.
    bool isIconified() const;

    // Sends the frame through the hook chain again and repaints it at once.
    void redrawFrame();

private:
    WindowFrame* frame_;
};

} // namespace platform
