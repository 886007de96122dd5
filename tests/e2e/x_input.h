#pragma once

// Sends a player's mouse and keys to an X server through the XTEST extension on a connection
// of its own: the server treats them as real device input, as it does xdotool's, without a
// process per event. Keys are named as xdotool names them ("F1", "Return", "alt+F4",
// "shift+Tab", "a"); text is typed character by character with Shift where the keyboard map
// wants it.

#include "x_connection.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

class XInput {
public:
    // False when the server cannot be reached or has no XTEST.
    bool Connect(const QString& display);

    void MoveTo(QPoint screenPoint);
    // One or more clicks of a button (1 left, 3 right) where the pointer is; two make a
    // double-click.
    void Click(int button, int times = 1);
    // A chord such as "ctrl+q"; false, sending nothing, for a key this keyboard lacks.
    bool Key(const std::string& chord);
    // False, after typing what it could, when a character is not on the keyboard.
    bool Type(const std::string& text);
    // Returns once the server has taken everything sent so far.
    void Sync();

private:
    struct Stroke {
        std::uint8_t keycode = 0;
        bool shift = false;
    };
    bool Find(std::uint32_t keysym, Stroke* stroke) const;
    void Fake(std::uint8_t type, std::uint8_t detail, QPoint at = {});

    XConnection x_;
    std::uint8_t minKeycode_ = 0;
    int keysymsPerKeycode_ = 0;
    std::vector<std::uint32_t> keymap_;
};

} // namespace e2e
