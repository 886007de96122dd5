#pragma once

// Reads what a window system shows, from outside the program and changing nothing it keeps:
// which top-level windows are on the screen, their names and places, which one has the
// keyboard, and the pixels of a part of the screen. One connection of its own, so a reading
// costs a few round trips rather than a process per question.

#include "x_connection.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

namespace e2e {

class XProbe {
public:
    struct Window {
        std::uint32_t id = 0;
        QRect rect;                    // on the screen
        bool overrideRedirect = false; // menus, pop-ups and tool tips
        QString name;
    };

    // The window's WM_CLASS, instance and class joined by a dot; empty when unset.
    QString Class(std::uint32_t window);

    bool Connect(const QString& display);

    // The top-level windows that are shown, bottom to top.
    std::vector<Window> ShownWindows();
    // The window that has the keyboard: 0 for none, 1 for whatever is under the pointer.
    std::uint32_t Focus();
    // Whether a client holds the keyboard by a grab, as an open menu does: then the keys go
    // to it whatever window has the focus. Finds out by trying a grab of its own, which it
    // lets go at once.
    bool KeyboardGrabbed();
    // The pixels of a rectangle of the screen as they are shown now.
    QImage Grab(const QRect& area);

private:
    QString Name(std::uint32_t window);

    XConnection x_;
    std::uint32_t netWmName_ = 0;
    std::uint32_t utf8String_ = 0;
};

} // namespace e2e
