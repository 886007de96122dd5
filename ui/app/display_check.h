#pragma once

#include <QtGlobal>

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

// What to tell the player when a display is set but the toolkit could not open it: a
// server that is not running, a socket that is not there, a platform plugin that does not
// exist.
std::string UnreachableDisplayMessage(const char* qpaPlatform, const char* x11Display,
                                      const char* waylandDisplay);

// Guards the toolkit's start-up, from construction to Started(). A start-up that finds no
// window system to work with is fatal to the toolkit, which then aborts (status 134 and a
// core dump) after a message suggesting a reinstall. Under the guard the program instead
// prints UnreachableDisplayMessage() for its environment and exits with status 1. Messages
// the toolkit logs meanwhile are held back, and passed on once start-up has succeeded.
class DisplayStartGuard {
public:
    static constexpr int kExitCode = 1;

    DisplayStartGuard();
    ~DisplayStartGuard();
    DisplayStartGuard(const DisplayStartGuard&) = delete;
    DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;

    void Started();

private:
    QtMessageHandler previous_ = nullptr;
    bool active_ = false;
};

} // namespace ui
