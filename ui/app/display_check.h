#pragma once

#include <string>

namespace ui {

// Whether a window system can be reached, judged from the environment alone, before any
// toolkit start-up (which would abort without one): an explicit Qt platform, an X11 display
// or a Wayland display. When there is none, message is what to tell the player.
struct DisplayCheck {
    bool available = false;
    std::string message;
};

DisplayCheck CheckDisplay(const char* qpaPlatform, const char* x11Display,
                          const char* waylandDisplay);

// The same for the running process's own environment.
DisplayCheck CheckDisplayFromEnvironment();

} // namespace ui
