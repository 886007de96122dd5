#pragma once

#include "platform/frame/border_style.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

// What lies under a point of a framed window.
enum class FrameArea {
    Nowhere,
    Client,
    MenuBar,
    Caption,
    SystemMenu,
    MinimizeButton,
    MaximizeButton,
    CloseButton,
    HelpButton,
    Border, // the frame of a window that cannot be resized
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

bool isSizingArea(FrameArea area);
bool isCaptionButton(FrameArea area);

// The metrics the frame is laid out with, read from SystemSettings or given by a test.
struct FrameMetrics {
    int fixedFrameX = 3;
    int fixedFrameY = 3;
    int frameX = 4;
    int frameY = 4;
    int caption = 19;
    int smallCaption = 15;
    int buttonWidth = 18;
    int smallButtonWidth = 14;
    int smallIconX = 16;
    int smallIconY = 16;
    int menu = 19;

    static FrameMetrics current();
};

// Where every part of a classic frame sits for one window size, border style and set of
// border icons. All rectangles are in window coordinates (origin at the outer top-left).
class FrameLayout {
public:
    FrameLayout(QSize outerSize, BorderStyle style, int borderIcons, bool hasMenuBar,
                const FrameMetrics& metrics = FrameMetrics::current());

    // The outer size that gives the wanted client size.
    static QSize outerSizeForClient(QSize clientSize, BorderStyle style, bool hasMenuBar,
                                    const FrameMetrics& metrics = FrameMetrics::current());

    QSize outerSize() const { return outer_; }
    BorderStyle style() const { return style_; }
    QMargins frameMargins() const; // thickness of the border on each side
    bool isSizeable() const;
    bool isToolWindow() const;
    bool hasCaption() const { return style_ != BorderStyle::bsNone; }

    // The caption strip inside the frame, without the line under it.
    QRect captionRect() const;
    // The one-pixel line between the caption and what follows.
    QRect captionLineRect() const;
    QRect iconRect() const; // empty when the caption shows no icon
    QRect systemMenuRect() const;
    // The part of the caption left for the title, after the icon and the buttons.
    QRect textRect() const;
    // A caption button's face; empty when the window has no such button.
    QRect buttonRect(FrameArea button) const;
    // A present button can still be greyed: the one of the minimise/maximise pair that the
    // window lacks.
    bool isButtonEnabled(FrameArea button) const;

    QRect menuBarRect() const; // empty without a menu bar
    QRect clientRect() const;
    // The smallest outer size that still shows the caption buttons and an empty client.
    QSize minimumOuterSize() const;

    FrameArea hitTest(QPoint point) const;

private:
    int captionHeight() const;
    int buttonSlot() const;

    QSize outer_;
    BorderStyle style_;
    int icons_;
    bool hasMenuBar_;
    FrameMetrics m_;
};

// The geometry a window gets when the given frame edge is dragged by delta from start,
// never smaller than minimum. The opposite edges stay where they were.
QRect resizedGeometry(const QRect& start, FrameArea edge, QPoint delta, QSize minimum);

} // namespace platform
