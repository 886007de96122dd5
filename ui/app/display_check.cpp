#include "ui/app/display_check.h"

#include <cstdlib>

namespace ui {

namespace {

bool isSet(const char* value) {
    return value && *value;
}

} // namespace

DisplayCheck CheckDisplay(const char* qpaPlatform, const char* x11Display,
                          const char* waylandDisplay) {
    if (isSet(qpaPlatform) || isSet(x11Display) || isSet(waylandDisplay))
        return {true, {}};
    return {false, "Vandolin is a desktop game and needs a graphical display, but none was found\n"
                   "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under a virtual display:\n"
                   "    xvfb-run -a -s \"-screen 0 1024x768x24\" vandolin\n"};
}

DisplayCheck CheckDisplayFromEnvironment() {
    return CheckDisplay(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                        std::getenv("WAYLAND_DISPLAY"));
}

} // namespace ui
