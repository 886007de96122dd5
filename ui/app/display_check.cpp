#include "ui/app/display_check.h"

#include <QByteArray>
#include <QMessageLogContext>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <vector>

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

std::string UnreachableDisplayMessage(const char* qpaPlatform, const char* x11Display,
                                      const char* waylandDisplay) {
    const auto shown = [](const char* name, const char* value) {
        return std::string(name) + (isSet(value) ? "=" + std::string(value) : " unset");
    };
    return "Vandolin could not open its window: the window system it was given cannot be "
           "reached\n(" +
           shown("DISPLAY", x11Display) + ", " + shown("WAYLAND_DISPLAY", waylandDisplay) + ", " +
           shown("QT_QPA_PLATFORM", qpaPlatform) +
           ").\n"
           "Check that the desktop session is running and these name it, or run the game under\n"
           "a virtual display:\n"
           "    xvfb-run -a -s \"-screen 0 1024x768x24\" vandolin\n";
}

namespace {

// The guard's state: a message handler is a plain function, so it lives here. The toolkit
// may log from its own threads while it starts.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex startMutex;
std::vector<HeldMessage> heldMessages;

void startUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The toolkit aborts when this returns: say what is wrong and end without a core.
        const std::string message = UnreachableDisplayMessage(
            std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
        std::fputs(message.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(DisplayStartGuard::kExitCode);
    }
    const std::lock_guard lock(startMutex);
    heldMessages.push_back({type, QByteArray(context.category), text});
}

} // namespace

DisplayStartGuard::DisplayStartGuard() : active_(true) {
    previous_ = qInstallMessageHandler(startUpMessage);
}

DisplayStartGuard::~DisplayStartGuard() {
    Started();
}

void DisplayStartGuard::Started() {
    if (!active_)
        return;
    active_ = false;
    qInstallMessageHandler(previous_);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(startMutex);
        held.swap(heldMessages);
    }
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         m.category.isEmpty() ? nullptr : m.category.constData());
        if (previous_)
            previous_(m.type, context, m.text);
        else
            qt_message_output(m.type, context, m.text);
    }
}

} // namespace ui
