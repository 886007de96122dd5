#include "x_input.h"

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <map>

namespace e2e {

namespace {

// The names the drivers use; a printable ASCII character is its own keysym.
std::uint32_t KeysymOf(const std::string& name) {
    static const std::map<std::string, std::uint32_t> named = {
        {"F1", XK_F1},          {"F2", XK_F2},         {"F4", XK_F4},
        {"F10", XK_F10},        {"Escape", XK_Escape}, {"Return", XK_Return},
        {"Tab", XK_Tab},        {"space", XK_space},   {"BackSpace", XK_BackSpace},
        {"Up", XK_Up},          {"Down", XK_Down},     {"Left", XK_Left},
        {"Right", XK_Right},    {"minus", XK_minus},   {"alt", XK_Alt_L},
        {"ctrl", XK_Control_L}, {"shift", XK_Shift_L},
    };
    if (const auto it = named.find(name); it != named.end())
        return it->second;
    if (name.size() == 1 && name[0] >= 0x20 && name[0] < 0x7F)
        return static_cast<unsigned char>(name[0]);
    return 0;
}

} // namespace

bool XInput::Connect(const QString& display) {
    if (x_)
        return true;
    if (!x_.Open(display))
        return false;
    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(x_.get(), &xcb_test_id);
    if (!xtest || !xtest->present) {
        x_.Close();
        return false;
    }
    const xcb_setup_t* setup = xcb_get_setup(x_.get());
    minKeycode_ = setup->min_keycode;
    const auto mapping = Own(xcb_get_keyboard_mapping_reply(
        x_.get(),
        xcb_get_keyboard_mapping(
            x_.get(), setup->min_keycode,
            static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
        nullptr));
    if (!mapping) {
        x_.Close();
        return false;
    }
    keysymsPerKeycode_ = mapping->keysyms_per_keycode;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    keymap_.assign(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(mapping.get()));
    return true;
}

// The key that gives the keysym plain, else with Shift: the first two columns of the map.
bool XInput::Find(std::uint32_t keysym, Stroke* stroke) const {
    if (keysym == 0 || keysymsPerKeycode_ == 0)
        return false;
    for (int column = 0; column < std::min(keysymsPerKeycode_, 2); ++column)
        for (std::size_t i = static_cast<std::size_t>(column); i < keymap_.size();
             i += static_cast<std::size_t>(keysymsPerKeycode_))
            if (keymap_[i] == keysym) {
                stroke->keycode = static_cast<std::uint8_t>(
                    minKeycode_ + i / static_cast<std::size_t>(keysymsPerKeycode_));
                stroke->shift = column == 1;
                return true;
            }
    return false;
}

void XInput::Fake(std::uint8_t type, std::uint8_t detail, QPoint at) {
    xcb_test_fake_input(x_.get(), type, detail, XCB_CURRENT_TIME, x_.root(),
                        static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y()), 0);
}

void XInput::MoveTo(QPoint screenPoint) {
    if (x_)
        Fake(XCB_MOTION_NOTIFY, 0, screenPoint);
}

void XInput::Click(int button, int times) {
    if (!x_)
        return;
    for (int i = 0; i < times; ++i) {
        Fake(XCB_BUTTON_PRESS, static_cast<std::uint8_t>(button));
        Fake(XCB_BUTTON_RELEASE, static_cast<std::uint8_t>(button));
    }
}

bool XInput::Key(const std::string& chord) {
    if (!x_)
        return false;
    std::vector<Stroke> strokes;
    std::size_t from = 0;
    while (from <= chord.size()) {
        std::size_t plus = chord.find('+', from);
        // A chord that ends in "+" presses the plus key itself.
        if (plus == from && plus + 1 == chord.size())
            plus = std::string::npos;
        const std::string name =
            chord.substr(from, plus == std::string::npos ? std::string::npos : plus - from);
        Stroke stroke;
        if (!Find(KeysymOf(name), &stroke))
            return false;
        strokes.push_back(stroke);
        if (plus == std::string::npos)
            break;
        from = plus + 1;
    }
    Stroke shift;
    const bool needsShift = strokes.back().shift && Find(XK_Shift_L, &shift);
    if (needsShift)
        Fake(XCB_KEY_PRESS, shift.keycode);
    for (const Stroke& s : strokes)
        Fake(XCB_KEY_PRESS, s.keycode);
    for (auto s = strokes.rbegin(); s != strokes.rend(); ++s)
        Fake(XCB_KEY_RELEASE, s->keycode);
    if (needsShift)
        Fake(XCB_KEY_RELEASE, shift.keycode);
    return true;
}

bool XInput::Type(const std::string& text) {
    for (char c : text)
        if (!Key(std::string(1, c)))
            return false;
    return true;
}

void XInput::Sync() {
    if (x_)
        Own(xcb_get_input_focus_reply(x_.get(), xcb_get_input_focus(x_.get()), nullptr));
}

} // namespace e2e
