#include "x_probe.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {

std::uint32_t atom(xcb_connection_t* c, const char* name) {
    const auto reply = Own(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : 0;
}

} // namespace

bool XProbe::Connect(const QString& display) {
    if (x_)
        return true;
    if (!x_.Open(display))
        return false;
    netWmName_ = atom(x_.get(), "_NET_WM_NAME");
    utf8String_ = atom(x_.get(), "UTF8_STRING");
    return true;
}

QString XProbe::Name(std::uint32_t window) {
    for (const auto& [property, type] :
         {std::pair{netWmName_, utf8String_},
          std::pair<std::uint32_t, std::uint32_t>{XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
        const auto reply = Own(xcb_get_property_reply(
            x_.get(), xcb_get_property(x_.get(), 0, window, property, type, 0, 256), nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                     xcb_get_property_value_length(reply.get()));
    }
    return {};
}

QString XProbe::Class(std::uint32_t window) {
    if (!x_)
        return {};
    const auto reply = Own(xcb_get_property_reply(
        x_.get(), xcb_get_property(x_.get(), 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64),
        nullptr));
    if (!reply)
        return {};
    // Two strings, each ending in a zero byte.
    QString both =
        QString::fromLatin1(static_cast<const char*>(xcb_get_property_value(reply.get())),
                            xcb_get_property_value_length(reply.get()));
    if (both.endsWith(QChar(0)))
        both.chop(1);
    return both.replace(QChar(0), u'.');
}

std::vector<XProbe::Window> XProbe::ShownWindows() {
    std::vector<Window> shown;
    if (!x_)
        return shown;
    const auto tree =
        Own(xcb_query_tree_reply(x_.get(), xcb_query_tree(x_.get(), x_.root()), nullptr));
    if (!tree)
        return shown;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = 0; i < count; ++i) {
        const auto attributes = Own(xcb_get_window_attributes_reply(
            x_.get(), xcb_get_window_attributes(x_.get(), children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const auto geometry =
            Own(xcb_get_geometry_reply(x_.get(), xcb_get_geometry(x_.get(), children[i]), nullptr));
        if (!geometry)
            continue;
        shown.push_back({children[i],
                         QRect(geometry->x, geometry->y, geometry->width, geometry->height),
                         attributes->override_redirect != 0, Name(children[i])});
    }
    return shown;
}

std::uint32_t XProbe::Focus() {
    if (!x_)
        return 0;
    const auto reply =
        Own(xcb_get_input_focus_reply(x_.get(), xcb_get_input_focus(x_.get()), nullptr));
    return reply ? reply->focus : 0;
}

bool XProbe::KeyboardGrabbed() {
    if (!x_)
        return false;
    const auto reply =
        Own(xcb_grab_keyboard_reply(x_.get(),
                                    xcb_grab_keyboard(x_.get(), 0, x_.root(), XCB_CURRENT_TIME,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                    nullptr));
    if (reply && reply->status == XCB_GRAB_STATUS_SUCCESS) {
        xcb_ungrab_keyboard(x_.get(), XCB_CURRENT_TIME);
        xcb_flush(x_.get());
        return false;
    }
    return reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
}

QImage XProbe::Grab(const QRect& area) {
    if (!x_)
        return {};
    const auto reply = Own(xcb_get_image_reply(
        x_.get(),
        xcb_get_image(x_.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, x_.root(),
                      static_cast<std::int16_t>(area.x()), static_cast<std::int16_t>(area.y()),
                      static_cast<std::uint16_t>(area.width()),
                      static_cast<std::uint16_t>(area.height()), ~0u),
        nullptr));
    // A 24-bit screen comes as 32 bits a pixel, blue first, as QImage::Format_RGB32 has it.
    if (!reply || xcb_get_image_data_length(reply.get()) != area.width() * area.height() * 4)
        return {};
    QImage image(area.size(), QImage::Format_RGB32);
    std::memcpy(image.bits(), xcb_get_image_data(reply.get()),
                static_cast<std::size_t>(area.width()) * area.height() * 4);
    return image;
}

} // namespace e2e
