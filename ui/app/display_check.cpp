#include "ui/app/display_check.h"

#include <cstdlib>
#include <string_view>

namespace ui {

namespace {

bool isSet(const char* value) {
    return value && *value;
}

// Whether one platform plugin name (arguments after ':' ignored) can work here. The desktop
// plugins need their display server; the others (offscreen, vnc, linuxfb, ...) need none.
bool canReach(std::string_view platform, const char* x11Display, const char* waylandDisplay) {
    platform = platform.substr(0, platform.find(':'));
    if (platform == "xcb")
        return isSet(x11Display);
    if (platform.substr(0, 7) == "wayland")
        return isSet(waylandDisplay);
    return !platform.empty();
}

} // namespace

DisplayCheck CheckDisplay(const char* qpaPlatform, const char* x11Display,
                          const char* waylandDisplay) {
    bool available = false;
    if (isSet(qpaPlatform)) {
        // The toolkit tries a ';'-separated list in order; one that can work is enough.
        std::string_view list(qpaPlatform);
        while (!available) {
            const std::size_t end = list.find(';');
            available = canReach(list.substr(0, end), x11Display, waylandDisplay);
            if (end == std::string_view::npos)
                break;
            list.remove_prefix(end + 1);
        }
    } else {
        available = isSet(x11Display) || isSet(waylandDisplay);
    }
    if (available)
        return {true, {}};
    return {false, "Vandolin is a desktop game and needs a graphical display, but none was found\n"
                   "(neither DISPLAY nor WAYLAND_DISPLAY is set for the window system in use).\n"
                   "Start it from a desktop session, or under a virtual display:\n"
                   "    xvfb-run -a -s \"-screen 0 1024x768x24\" vandolin\n"};
}

DisplayCheck CheckDisplayFromEnvironment() {
    return CheckDisplay(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                        std::getenv("WAYLAND_DISPLAY"));
}

} // namespace ui
