#pragma once

#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace platform {

// The three kinds of frame message. A framed window sends each one to itself; the
// hooks installed on it (Qt event filters, so the newest one sees it first) may act on
// it and change it, and must let it pass on by returning false. Whatever reaches the
// window at the end gets the standard frame handling.
enum FrameEventType : int {
    FramePaintEventType = QEvent::User + 0x4A0,
    FrameActivateEventType,
    FrameSettingsEventType,
};

// Paint the part of the frame in region() (window coordinates: origin at the outer
// top-left corner). A hook that paints part of the frame itself removes that part from
// the region before passing the message on. Only valid during the window's paint event.
class FramePaintEvent : public QEvent {
public:
    FramePaintEvent(QPainter& painter, const QRegion& region)
        : QEvent(static_cast<QEvent::Type>(FramePaintEventType)), painter_(painter),
          region_(region)
    {
    }
    QPainter& painter() const { return painter_; }
    const QRegion& region() const { return region_; }
    void setRegion(const QRegion& region) { region_ = region; }

private:
    QPainter& painter_;
    QRegion region_;
};

// The window became active (true) or inactive (false). The standard handling records
// the state and repaints the frame at once, so a hook that records the state first
// paints its part in the new state during that repaint.
class FrameActivateEvent : public QEvent {
public:
    explicit FrameActivateEvent(bool active)
        : QEvent(static_cast<QEvent::Type>(FrameActivateEventType)), active_(active)
    {
    }
    bool active() const { return active_; }

private:
    bool active_;
};

// System colours, fonts, theme or screen changed. The standard handling repaints the frame.
class FrameSettingsEvent : public QEvent {
public:
    enum class Cause { Colors, Settings, Display };
    explicit FrameSettingsEvent(Cause cause)
        : QEvent(static_cast<QEvent::Type>(FrameSettingsEventType)), cause_(cause)
    {
    }
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

} // namespace platform
