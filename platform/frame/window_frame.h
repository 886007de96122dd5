#pragma once

#include "platform/frame/border_style.h"

#include <QObject>
#include <QRegion>
#include <QSize>

class QMenuBar;
class QPainter;
class QWidget;

namespace platform {

class FrameLayout;

// The classic frame of a top-level window, drawn by the program itself: sizing border,
// caption with small icon, title and caption buttons, and the menu bar below it. Put on any
// top-level widget (the table, a dialog, a tool window), it makes the window frameless and
// takes over the frame's painting, mouse, activation and keys (Alt+Space, Alt+F4) through an
// event filter; the window's controls go into clientArea(). The frame is painted through
// the hook chain of frame_events.h: hooks are event filters installed on the window after
// this one, and whatever passes them gets the standard painting.
class WindowFrame : public QObject {
    Q_OBJECT
public:
    // Owned by the window. Create it before any hook is installed on the window.
    explicit WindowFrame(QWidget& window);
    ~WindowFrame() override;

    // The frame put on this window; nullptr when it has none.
    static WindowFrame* of(const QWidget* window);
    QWidget& window() const;

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

    // The standard painting of the frame parts inside the region (window coordinates).
    void paintStandardFrame(QPainter& painter, const QRegion& region) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void relayout();

    struct Private;
    Private* d;
};

} // namespace platform
