#pragma once

#include <string>

namespace ui {

// Whether a window system can be reached, judged from the environment alone, before any
// toolkit start-up (which would abort without one). With QT_QPA_PLATFORM set, one of the
// plugins it names must be able to work: xcb needs DISPLAY, wayland needs WAYLAND_DISPLAY,
// the others (offscreen, vnc, ...) need no display server. Without it, an X11 or a Wayland
// display must be set. When there is none, message is what to tell the player.
struct DisplayCheck {
    bool available = false;
    std::string message;
};

DisplayCheck CheckDisplay(const char* qpaPlatform, const char* x11Display,
                          const char* waylandDisplay);

// The same for the running process's own environment.
DisplayCheck CheckDisplayFromEnvironment();

} // namespace ui
