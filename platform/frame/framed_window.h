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

    // The frame's own calls, kept on the window for its users; window_frame.h says what
    // each does.
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle style);
    int borderIcons() const; // BorderIcon flags
    void setBorderIcons(int icons);
    QWidget* clientArea() const;
    void setMenuBar(QMenuBar* menuBar);
    QMenuBar* menuBar() const;
    void setClientSize(const QSize& clientSize);
    FrameLayout frameLayout() const;
    QRegion frameRegion() const;
    bool isFrameActive() const;
    bool isSizeFixed() const;
    void setSizeFixed(bool fixed);
    bool isIconified() const;
    void redrawFrame();

private:
    WindowFrame* frame_;
};

} // namespace platform
