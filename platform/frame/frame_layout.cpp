#include "platform/frame/frame_layout.h"

#include "platform/frame/system_settings.h"

#include <algorithm>

namespace platform {

namespace {

// A caption button face is narrower than its slot by 2 and leaves 2 pixels above and below
// it inside the caption, as on the classic desktop.
constexpr int ButtonInset = 2;
constexpr int CaptionLine = 1;

} // namespace

bool isSizingArea(FrameArea area) {
    switch (area) {
    case FrameArea::Left:
    case FrameArea::Right:
    case FrameArea::Top:
    case FrameArea::Bottom:
    case FrameArea::TopLeft:
    case FrameArea::TopRight:
    case FrameArea::BottomLeft:
    case FrameArea::BottomRight:
        return true;
    default:
        return false;
    }
}

bool isCaptionButton(FrameArea area) {
    return area == FrameArea::MinimizeButton || area == FrameArea::MaximizeButton ||
           area == FrameArea::CloseButton || area == FrameArea::HelpButton;
}

FrameMetrics FrameMetrics::current() {
    const SystemSettings& s = SystemSettings::instance();
    FrameMetrics m;
    m.fixedFrameX = s.metric(Metric::CxFixedFrame);
    m.fixedFrameY = s.metric(Metric::CyFixedFrame);
    m.frameX = s.metric(Metric::CxFrame);
    m.frameY = s.metric(Metric::CyFrame);
    m.caption = s.metric(Metric::CyCaption);
    m.smallCaption = s.metric(Metric::CySmCaption);
    m.buttonWidth = s.metric(Metric::CxSize);
    m.smallButtonWidth = s.metric(Metric::CxSmSize);
    m.smallIconX = s.metric(Metric::CxSmIcon);
    m.smallIconY = s.metric(Metric::CySmIcon);
    m.menu = s.metric(Metric::CyMenu);
    return m;
}

FrameLayout::FrameLayout(QSize outerSize, BorderStyle style, int borderIcons, bool hasMenuBar,
                         const FrameMetrics& metrics)
    : outer_(outerSize.expandedTo(QSize(0, 0))), style_(style), icons_(borderIcons),
      hasMenuBar_(hasMenuBar), m_(metrics) {}

QSize FrameLayout::outerSizeForClient(QSize clientSize, BorderStyle style, bool hasMenuBar,
                                      const FrameMetrics& metrics) {
    const FrameLayout probe(QSize(0, 0), style, 0, hasMenuBar, metrics);
    const QMargins f = probe.frameMargins();
    const QSize client = clientSize.expandedTo(QSize(0, 0));
    const int menu = hasMenuBar ? metrics.menu : 0;
    return QSize(client.width() + f.left() + f.right(),
                 client.height() + f.top() + f.bottom() + probe.captionHeight() + menu);
}

bool FrameLayout::isSizeable() const {
    return style_ == BorderStyle::bsSizeable || style_ == BorderStyle::bsSizeToolWin;
}

bool FrameLayout::isToolWindow() const {
    return style_ == BorderStyle::bsToolWindow || style_ == BorderStyle::bsSizeToolWin;
}

QMargins FrameLayout::frameMargins() const {
    if (style_ == BorderStyle::bsNone) {
        return {};
    }
    if (isSizeable()) {
        return QMargins(m_.frameX, m_.frameY, m_.frameX, m_.frameY);
    }
    return QMargins(m_.fixedFrameX, m_.fixedFrameY, m_.fixedFrameX, m_.fixedFrameY);
}

int FrameLayout::captionHeight() const {
    if (!hasCaption()) {
        return 0;
    }
    return isToolWindow() ? m_.smallCaption : m_.caption;
}

int FrameLayout::buttonSlot() const {
    return isToolWindow() ? m_.smallButtonWidth : m_.buttonWidth;
}

QRect FrameLayout::captionRect() const {
    if (!hasCaption()) {
        return {};
    }
    const QMargins f = frameMargins();
    const int width = std::max(0, outer_.width() - f.left() - f.right());
    const int height = std::max(0, captionHeight() - CaptionLine);
    return QRect(f.left(), f.top(), width, height);
}

QRect FrameLayout::captionLineRect() const {
    const QRect caption = captionRect();
    if (caption.isNull()) {
        return {};
    }
    return QRect(caption.left(), caption.top() + caption.height(), caption.width(), CaptionLine);
}

QRect FrameLayout::iconRect() const {
    const bool shows = (icons_ & biSystemMenu) != 0 &&
                       (style_ == BorderStyle::bsSingle || style_ == BorderStyle::bsSizeable);
    if (!shows) {
        return {};
    }
    const QRect caption = captionRect();
    return QRect(caption.left() + 2, caption.top() + 1, m_.smallIconX, m_.smallIconY);
}

QRect FrameLayout::systemMenuRect() const {
    const QRect icon = iconRect();
    if (icon.isNull()) {
        return {};
    }
    const QRect caption = captionRect();
    return QRect(caption.left(), caption.top(), m_.smallIconX + 2, caption.height());
}

QRect FrameLayout::buttonRect(FrameArea button) const {
    if (!hasCaption()) {
        return {};
    }
    const QRect caption = captionRect();
    const int slot = buttonSlot();
    const int face = std::max(0, slot - ButtonInset);
    const int faceHeight = std::max(0, caption.height() - 2 * ButtonInset);
    const int top = caption.top() + ButtonInset;
    const bool close = (icons_ & biSystemMenu) != 0;

    // Walk from the right edge the way the buttons are packed: close, then help (dialogs)
    // or the minimise/maximise pair.
    int right = caption.left() + caption.width();
    if (close) {
        if (button == FrameArea::CloseButton) {
            return QRect(right - ButtonInset - face, top, face, faceHeight);
        }
        right -= slot + ButtonInset;
    }
    if (isToolWindow()) {
        return {};
    }
    if (style_ == BorderStyle::bsDialog) {
        if (button == FrameArea::HelpButton && (icons_ & biHelp) != 0) {
            return QRect(right - face, top, face, faceHeight);
        }
        return {};
    }
    if ((icons_ & (biMinimize | biMaximize)) == 0) {
        return {};
    }
    if (button == FrameArea::MaximizeButton) {
        return QRect(right - face, top, face, faceHeight);
    }
    if (button == FrameArea::MinimizeButton) {
        return QRect(right - 2 * face, top, face, faceHeight);
    }
    return {};
}

bool FrameLayout::isButtonEnabled(FrameArea button) const {
    if (buttonRect(button).isNull()) {
        return false;
    }
    switch (button) {
    case FrameArea::MinimizeButton:
        return (icons_ & biMinimize) != 0;
    case FrameArea::MaximizeButton:
        return (icons_ & biMaximize) != 0;
    default:
        return true;
    }
}

QRect FrameLayout::textRect() const {
    if (!hasCaption()) {
        return {};
    }
    const QRect caption = captionRect();
    int left = caption.left();
    int right = caption.left() + caption.width();
    const QRect icon = iconRect();
    if (!icon.isNull()) {
        left = icon.left() + icon.width();
    }
    const int slot = buttonSlot();
    if ((icons_ & biSystemMenu) != 0) {
        right -= slot + ButtonInset;
    }
    if (!isToolWindow()) {
        if (style_ == BorderStyle::bsDialog) {
            if ((icons_ & biHelp) != 0) {
                right -= slot + ButtonInset;
            }
        } else if ((icons_ & (biMinimize | biMaximize)) != 0) {
            right -= 2 * slot;
        }
    }
    return QRect(left, caption.top(), std::max(0, right - left), caption.height());
}

QRect FrameLayout::menuBarRect() const {
    if (!hasMenuBar_) {
        return {};
    }
    const QMargins f = frameMargins();
    const int width = std::max(0, outer_.width() - f.left() - f.right());
    return QRect(f.left(), f.top() + captionHeight(), width, m_.menu);
}

QRect FrameLayout::clientRect() const {
    const QMargins f = frameMargins();
    const int top = f.top() + captionHeight() + (hasMenuBar_ ? m_.menu : 0);
    const int width = std::max(0, outer_.width() - f.left() - f.right());
    const int height = std::max(0, outer_.height() - top - f.bottom());
    return QRect(f.left(), top, width, height);
}

QSize FrameLayout::minimumOuterSize() const {
    const QMargins f = frameMargins();
    int buttons = 0;
    for (FrameArea b : {FrameArea::CloseButton, FrameArea::HelpButton, FrameArea::MinimizeButton,
                        FrameArea::MaximizeButton}) {
        if (!buttonRect(b).isNull()) {
            buttons += buttonSlot() + ButtonInset;
        }
    }
    const QRect icon = iconRect();
    const int iconSpace = icon.isNull() ? 0 : icon.width() + 2 * ButtonInset;
    // Room for a few letters of the title besides the icon and the buttons.
    const int titleRoom = hasCaption() ? buttonSlot() : 0;
    const int width = f.left() + f.right() + iconSpace + buttons + titleRoom;
    const int height = f.top() + f.bottom() + captionHeight() + (hasMenuBar_ ? m_.menu : 0);
    return QSize(width, height);
}

FrameArea FrameLayout::hitTest(QPoint p) const {
    if (p.x() < 0 || p.y() < 0 || p.x() >= outer_.width() || p.y() >= outer_.height()) {
        return FrameArea::Nowhere;
    }
    const QMargins f = frameMargins();
    const int w = outer_.width();
    const int h = outer_.height();
    const bool left = p.x() < f.left();
    const bool right = p.x() >= w - f.right();
    const bool top = p.y() < f.top();
    const bool bottom = p.y() >= h - f.bottom();
    if (left || right || top || bottom) {
        if (!isSizeable()) {
            return FrameArea::Border;
        }
        // The corners reach along the edges as far as a caption button is wide, so they are
        // easy to catch with the pointer.
        const int cornerX = f.left() + buttonSlot();
        const int cornerY = f.top() + buttonSlot();
        const bool nearLeft = p.x() < cornerX;
        const bool nearRight = p.x() >= w - cornerX;
        const bool nearTop = p.y() < cornerY;
        const bool nearBottom = p.y() >= h - cornerY;
        if ((top && nearLeft) || (left && nearTop)) {
            return FrameArea::TopLeft;
        }
        if ((top && nearRight) || (right && nearTop)) {
            return FrameArea::TopRight;
        }
        if ((bottom && nearLeft) || (left && nearBottom)) {
            return FrameArea::BottomLeft;
        }
        if ((bottom && nearRight) || (right && nearBottom)) {
            return FrameArea::BottomRight;
        }
        if (left) {
            return FrameArea::Left;
        }
        if (right) {
            return FrameArea::Right;
        }
        return top ? FrameArea::Top : FrameArea::Bottom;
    }
    const QRect caption = captionRect().united(captionLineRect());
    if (caption.contains(p)) {
        for (FrameArea b : {FrameArea::CloseButton, FrameArea::HelpButton,
                            FrameArea::MaximizeButton, FrameArea::MinimizeButton}) {
            if (buttonRect(b).contains(p)) {
                return b;
            }
        }
        if (systemMenuRect().contains(p)) {
            return FrameArea::SystemMenu;
        }
        return FrameArea::Caption;
    }
    if (menuBarRect().contains(p)) {
        return FrameArea::MenuBar;
    }
    return clientRect().contains(p) ? FrameArea::Client : FrameArea::Nowhere;
}

QRect resizedGeometry(const QRect& start, FrameArea edge, QPoint delta, QSize minimum) {
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    const bool movesLeft =
        edge == FrameArea::Left || edge == FrameArea::TopLeft || edge == FrameArea::BottomLeft;
    const bool movesRight =
        edge == FrameArea::Right || edge == FrameArea::TopRight || edge == FrameArea::BottomRight;
    const bool movesTop =
        edge == FrameArea::Top || edge == FrameArea::TopLeft || edge == FrameArea::TopRight;
    const bool movesBottom = edge == FrameArea::Bottom || edge == FrameArea::BottomLeft ||
                             edge == FrameArea::BottomRight;
    if (movesLeft) {
        left = std::min(left + delta.x(), right - minimum.width());
    }
    if (movesRight) {
        right = std::max(right + delta.x(), left + minimum.width());
    }
    if (movesTop) {
        top = std::min(top + delta.y(), bottom - minimum.height());
    }
    if (movesBottom) {
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    }
    return QRect(left, top, right - left, bottom - top);
}

} // namespace platform
