#include "x_probe.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace e2e {

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> own(T* reply) {
    return Reply<T>(reply, &std::free);
}

std::uint32_t atom(xcb_connection_t* c, const char* name) {
    const auto reply = own(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : 0;
}

} // namespace

XProbe::~XProbe() {
    if (connection_)
        xcb_disconnect(connection_);
}

bool XProbe::Connect(const QString& display) {
    if (connection_)
        return true;
    connection_ = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return false;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    netWmName_ = atom(connection_, "_NET_WM_NAME");
    utf8String_ = atom(connection_, "UTF8_STRING");
    return true;
}

QString XProbe::Name(std::uint32_t window) {
    for (const auto& [property, type] :
         {std::pair{netWmName_, utf8String_},
          std::pair<std::uint32_t, std::uint32_t>{XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
        const auto reply = own(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, property, type, 0, 256),
            nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                     xcb_get_property_value_length(reply.get()));
    }
    return {};
}

std::vector<XProbe::Window> XProbe::ShownWindows() {
    std::vector<Window> shown;
    if (!connection_)
        return shown;
    const auto tree =
        own(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
    if (!tree)
        return shown;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = 0; i < count; ++i) {
        const auto attributes = own(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const auto geometry = own(xcb_get_geometry_reply(
            connection_, xcb_get_geometry(connection_, children[i]), nullptr));
        if (!geometry)
            continue;
        shown.push_back({children[i],
                         QRect(geometry->x, geometry->y, geometry->width, geometry->height),
                         attributes->override_redirect != 0, Name(children[i])});
    }
    return shown;
}

std::uint32_t XProbe::Focus() {
    if (!connection_)
        return 0;
    const auto reply =
        own(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return reply ? reply->focus : 0;
}

bool XProbe::KeyboardGrabbed() {
    if (!connection_)
        return false;
    const auto reply =
        own(xcb_grab_keyboard_reply(connection_,
                                    xcb_grab_keyboard(connection_, 0, root_, XCB_CURRENT_TIME,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                    nullptr));
    if (reply && reply->status == XCB_GRAB_STATUS_SUCCESS) {
        xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
        xcb_flush(connection_);
        return false;
    }
    return reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
}

QImage XProbe::Grab(const QRect& area) {
    if (!connection_)
        return {};
    const auto reply = own(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_,
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
