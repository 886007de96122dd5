#include "platform/frame/keyboard_grab_watch.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// The X protocol's focus events, as they arrive on the wire (32 bytes): the kind, the detail,
// a sequence number, the window and the mode.
constexpr std::uint8_t kFocusIn = 9;
constexpr std::uint8_t kFocusOut = 10;
constexpr std::uint8_t kDetailInferior = 2;
constexpr std::uint8_t kDetailPointer = 5;
constexpr std::uint8_t kModeGrab = 1;
constexpr std::uint8_t kModeUngrab = 2;

struct FocusEvent {
    std::uint8_t kind;
    std::uint8_t detail;
    std::uint32_t window;
    std::uint8_t mode;
};

FocusEvent decode(const void* message) {
    const auto* bytes = static_cast<const unsigned char*>(message);
    FocusEvent event{};
    event.kind = bytes[0] & 0x7F; // the top bit marks events sent by another client
    event.detail = bytes[1];
    std::memcpy(&event.window, bytes + 4, sizeof event.window);
    event.mode = bytes[8];
    return event;
}

} // namespace

KeyboardGrabWatch::KeyboardGrabWatch(QWidget& window, std::function<void()> realFocusOut)
    : window_(&window), realFocusOut_(std::move(realFocusOut)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

KeyboardGrabWatch::~KeyboardGrabWatch() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool KeyboardGrabWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || message == nullptr || !window_ ||
        !window_->testAttribute(Qt::WA_WState_Created))
        return false;
    const FocusEvent event = decode(message);
    if (event.kind != kFocusIn && event.kind != kFocusOut)
        return false;
    // Focus moving inside the window, or following the pointer, is no change of ours.
    if (event.window != static_cast<std::uint32_t>(window_->internalWinId()) ||
        event.detail == kDetailPointer || event.detail == kDetailInferior)
        return false;
    if (event.kind == kFocusIn) {
        grabbed_ = false;
    } else if (event.mode == kModeGrab) {
        grabbed_ = true;
    } else if (event.mode != kModeUngrab && grabbed_) {
        // The focus went to another window while the keyboard was grabbed, or after.
        grabbed_ = false;
        if (realFocusOut_)
            realFocusOut_();
    }
    return false;
}

} // namespace platform
