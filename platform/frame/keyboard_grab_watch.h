#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace platform {

// Tells a window manager's keyboard grab from a real loss of focus. While a window manager
// moves or sizes a window (or switches windows) it grabs the keyboard; the X server reports
// that to the focused window as a focus-out, which the toolkit takes for a deactivation,
// although the window is still the active one. The X focus events say which kind they are.
class KeyboardGrabWatch : public QAbstractNativeEventFilter {
public:
    // Watches the focus events of the window's native window; realFocusOut is called when
    // the focus leaves for good after a grab (another window got it meanwhile).
    KeyboardGrabWatch(QWidget& window, std::function<void()> realFocusOut);
    ~KeyboardGrabWatch() override;
    KeyboardGrabWatch(const KeyboardGrabWatch&) = delete;
    KeyboardGrabWatch& operator=(const KeyboardGrabWatch&) = delete;

    // The keyboard is grabbed away from the window, which is still active.
    bool grabbedAway() const { return grabbed_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QPointer<QWidget> window_;
    std::function<void()> realFocusOut_;
    bool grabbed_ = false;
};

} // namespace platform
