#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace ui {

// While a box is open the program's other windows take no input. On construction this
// remembers the active window and disables every top-level window that is visible and
// enabled at that moment; on destruction (also when the box failed with an exception) it
// enables again exactly those that still exist, gives each back the focus it had, and
// activates the remembered window again. A box opened while no window is active yet,
// because the previous box has just closed, remembers the window that box re-activates; with
// no such box either, the first window it disabled.
// A disabled window that the window system activates anyway (a click on it, a task bar)
// hands the activation on to the open box, shown again if it was minimised, so the keys
// never go to a window that takes none. Create it before the box is shown.
class WindowDisabler {
public:
    WindowDisabler();
    ~WindowDisabler();
    WindowDisabler(const WindowDisabler&) = delete;
    WindowDisabler& operator=(const WindowDisabler&) = delete;

    // The window that will be active again when the box closes; nullptr if none.
    QWidget* reactivated() const { return active_; }

private:
    void restore();

    struct Disabled {
        QPointer<QWidget> window;
        QPointer<QWidget> focus;
    };
    QPointer<QWidget> active_;
    std::vector<Disabled> disabled_;
    QObject* handOn_ = nullptr;
};

} // namespace ui
